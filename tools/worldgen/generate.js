// Builds data/world_rules.inc from Natural Earth's 1:10m country borders.
// Run from this folder: npm ci && npm run generate
import { readFileSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { feature } from "topojson-client";
import { regions } from "./regions.js";
import { capitalSides, cities } from "./places.js";
import { ridges } from "./ridges.js";
import { lakes } from "./lakes.js";
import { fitProjection, makeWarpedProjection } from "./projection.js";
import { SIZE, index, fillGeometry, fillPolygon, clipRing } from "./raster.js";
import { World, WATER, FIXED } from "./world.js";
import { placeMountains } from "./mountains.js";
import { balance } from "./balance.js";
import { legs } from "./legs.js";
import { makePlaces, walkable, wayForLeg } from "./legwalk.js";
import { emitRules, formatRules } from "./emit.js";
import { Repairs } from "./repairs.js";

const WATER_CELLS = 40247;
const OUTPUT = new URL("../../data/world_rules.inc", import.meta.url);
const log = msg => console.log(msg);

const require = createRequire(import.meta.url);
const atlas = JSON.parse(readFileSync(require.resolve("world-atlas/countries-10m.json")));
const countries = regions.filter(r => r.mountainsOf === undefined);

const capitals = countries.map(r => ({ ...r.capital, entry: r.entry }));
const projection = fitProjection(
    capitals.map(c => ({ lon: c.lon, lat: c.lat, x: c.cell[0], y: c.cell[1] })), { lon: 90, lat: 40 });
log(`projection: centre ${projection.centre.lat.toFixed(2)}N ${projection.centre.lon.toFixed(2)}E, ` +
    `A ${projection.A.toFixed(2)}, B ${projection.B.toFixed(2)}, tx ${projection.tx.toFixed(2)}, ` +
    `ty ${projection.ty.toFixed(2)}, capital RMS ${projection.rms.toFixed(2)} cells`);
const WARP_RADIUS = 6;
const project = makeWarpedProjection(projection, [...capitals, ...cities].map(
    c => ({ lon: c.lon, lat: c.lat, x: c.cell[0], y: c.cell[1] })), WARP_RADIUS);

const world = new World(regions);

// Countries as Natural Earth draws them; where two claim a cell the first
// keeps it, so the parts that changed hands since 1997 go first.
const geometries = new Map(atlas.objects.countries.geometries.map(g => [g.properties.name, g]));
const geometry = name => {
    const g = geometries.get(name);
    if (!g) throw new Error(`no Natural Earth unit named ${name}`);
    return feature(atlas, g).geometry;
};
const claim = entry => i => {
    if (world.label[i] === WATER) world.set(i, entry);
};
for (const r of countries) {
    for (const { ne, box } of r.claims ?? []) {
        const g = geometry(ne);
        const polygons = g.type === "Polygon" ? [g.coordinates] : g.coordinates;
        const clipped = polygons.map(rings => rings.map(ring => clipRing(ring, box)).filter(ring => ring.length > 2));
        fillGeometry({ type: "MultiPolygon", coordinates: clipped }, project, claim(r.entry));
    }
}
for (const r of countries) {
    for (const name of r.ne) fillGeometry(geometry(name), project, claim(r.entry));
}
for (const ring of Object.values(lakes)) {
    fillPolygon([ring.map(([lon, lat]) => project(lon, lat))], i => world.set(i, WATER));
}

const rasterCountry = Int16Array.from(world.label, l => world.countryOf[l]);
placeMountains(world, ridges, project);

// Capitals (Singapore's cell stays a cell of its country) and cities.
const SINGAPORE = 18;
const capitalCells = capitals.filter(c => c.entry !== SINGAPORE).map(c => c.cell);
for (const c of capitals) {
    if (c.entry === SINGAPORE) {
        world.set(index(...c.cell), SINGAPORE);
        world.locked[index(...c.cell)] = 1;
    } else {
        world.fix(...c.cell, c.entry);
    }
}
for (const c of cities) world.fix(...c.cell, c.entry);

const repairs = new Repairs(world, log);
repairs.clampToBoxes();
repairs.joinCutPieces();
repairs.dropFragments();
for (const c of capitals) {
    if (c.entry !== SINGAPORE) repairs.lockApproaches(c.cell, c.entry, capitalSides[c.entry]);
}
for (const c of cities) repairs.lockApproaches(c.cell, c.entry, c.sides === "NSWE" ? undefined : c.sides);
repairs.reachBoxEdges();
repairs.dropFragments();
repairs.reachBoxEdges();

const problems = [];
const targets = new Map(regions.map(r => [r.entry, r.cells]));
targets.set(WATER, WATER_CELLS);
// Israel and Syria cannot touch while each keeps its box, so neither leg
// between them can be walked.
const UNWALKABLE = new Set(["48-45", "45-48"]);
const places = makePlaces(regions, capitalSides);
const openLegs = () => {
    let opened = 0;
    for (const leg of legs) {
        if (UNWALKABLE.has(`${leg.from}-${leg.to}`) || walkable(world, leg, places)) continue;
        // the legs that can be walked must stay so
        const before = legs.filter(l => !UNWALKABLE.has(`${l.from}-${l.to}`) && walkable(world, l, places));
        const way = repairs.paintAround(allowed => wayForLeg(world, leg, places, allowed),
                                () => before.every(l => walkable(world, l, places)));
        if (way) {
            for (const [i] of way) world.locked[i] = 1;
            ++opened;
        } else {
            log(`no way found for the leg ${leg.from} -> ${leg.to}`);
        }
    }
    if (opened) log(`opened ${opened} legs`);
    return opened;
};

let balanced = false;
for (let pass = 0; pass < 8 && !balanced; ++pass) {
    balanced = balance(world, targets, log);
    const before = Array.from(world.count).join();
    repairs.dropFragments();
    repairs.joinCutPieces();
    repairs.reachBoxEdges();
    openLegs();
    if (Array.from(world.count).join() !== before) balanced = false;
}
const stuck = legs.filter(leg => !UNWALKABLE.has(`${leg.from}-${leg.to}`) && !walkable(world, leg, places));
for (const leg of stuck) problems.push(`the leg ${leg.from} -> ${leg.to} cannot be walked`);

// Report what still differs from the targets.
for (const r of regions) {
    const [x0, x1, y0, y1] = r.box, l = r.entry;
    if (world.count[l] !== r.cells) problems.push(`entry ${l}: ${world.count[l]} cells, not ${r.cells}`);
    if (!world.colCount[l][x0] || !world.colCount[l][x1] || !world.rowCount[l][y0] || !world.rowCount[l][y1]) {
        problems.push(`entry ${l} misses an edge of its box`);
    }
}
for (const r of countries) {
    const pieces = world.components(i => world.countryAt(i) === r.entry);
    const small = pieces.filter(p => p.length <= 2 && r.entry !== SINGAPORE).length;
    if (small) problems.push(`${r.name}: ${small} fragments of one or two cells`);
}
if (world.count[WATER] !== WATER_CELLS) problems.push(`${world.count[WATER]} water cells`);
for (const p of problems) log(p);

let land = 0, moved = 0;
for (let i = 0; i < SIZE * SIZE; ++i) {
    if (world.label[i] !== WATER) ++land;
    if ((world.label[i] !== WATER || rasterCountry[i] >= 0) && world.countryAt(i) !== rasterCountry[i]) ++moved;
}
log(`${moved} cells (${(100 * moved / land).toFixed(1)} % of the land) differ from the plain raster`);

const rules = emitRules(world, capitalCells, cities.map(c => c.cell));
writeFileSync(OUTPUT, formatRules(rules));
log(`${rules.length} rules written; ${balanced && problems.length === 0 ? "all targets met" : "TARGETS NOT MET"}`);
if (!balanced || problems.length) process.exitCode = 1;
