// The steps that turn a plain raster of the borders into the game's map:
// every region inside its box and reaching each edge of it, no country cut in
// two or left with stray one- or two-cell pieces, and the capitals and cities
// approachable from their sides.
import { SIZE, index } from "./raster.js";
import { WATER, FIXED } from "./world.js";
import { cheapestPath } from "./paths.js";
import { cellsBeside } from "./places.js";

const SINGAPORE = 18;
const BHUTAN = 31;
const BHUTAN_MOUNTAINS = 32;
// How many foreign cells may be taken to join a cut-off piece to its country.
const JOIN_GAP = 3;
const MAX_TRIES = 100;

export class Repairs {
    constructor(world, log) {
        this.world = world;
        this.log = log;
        this.countries = world.regions.filter(r => r.mountainsOf === undefined);
    }

    // Paints the changes a finder proposes, unless they would cut some country
    // in two or break what `intact` checks; then the one cell without which the
    // rest would do is ruled out and the finder asked again.
    paintAround(find, intact = () => true) {
        const world = this.world, blocked = new Set();
        for (let tries = 0; tries < MAX_TRIES; ++tries) {
            const changes = find(i => !blocked.has(i));
            if (!changes) return null;
            const before = new Map(changes.map(([i]) => [i, world.label[i]]));
            const undo = subset => { for (const [i] of subset) world.set(i, before.get(i)); };
            const apply = subset => {
                if (world.tryPaint(subset) >= 0) return false;
                if (intact()) return true;
                undo(subset);
                return false;
            };
            if (apply(changes)) return changes;
            const taken = changes.filter(([i, l]) => before.get(i) !== l);
            if (taken.length === 0) return null;
            const culprit = taken.find(([i]) => {
                const rest = changes.filter(([j]) => j !== i);
                if (!apply(rest)) return false;
                undo(rest);
                return true;
            });
            blocked.add((culprit ?? taken[taken.length >> 1])[0]);
        }
        return null;
    }

    // Cells outside their region's box go to another region of the same
    // country, else to the neighbouring region that may hold them and borders
    // them most (spreading inwards from the edge of such an area), else to
    // the sea.
    clampToBoxes() {
        const world = this.world, homeless = new Set();
        for (let i = 0; i < SIZE * SIZE; ++i) {
            const l = world.label[i], x = i >> 8, y = i & 255;
            if (l === WATER || l === FIXED || world.inBox(l, x, y)) continue;
            const to = world.entryFor(world.countryOf[l], x, y);
            if (to >= 0) world.set(i, to);
            else homeless.add(i);
        }
        for (let settled = true; settled && homeless.size > 0;) {
            settled = false;
            for (const i of homeless) {
                const votes = new Map();
                for (const n of world.neighbours(i)) {
                    const m = world.label[n];
                    if (!homeless.has(n) && m !== WATER && m !== FIXED && world.inBox(m, i >> 8, i & 255)) {
                        votes.set(m, (votes.get(m) ?? 0) + 1);
                    }
                }
                if (votes.size === 0) continue;
                world.set(i, [...votes].sort((a, b) => b[1] - a[1])[0][0]);
                homeless.delete(i);
                settled = true;
            }
        }
        for (const i of homeless) world.set(i, WATER);
    }

    // Pieces of a country of one or two cells are islands the map cannot hold.
    dropFragments() {
        const world = this.world;
        for (const r of this.countries.filter(r => r.entry !== SINGAPORE)) {
            for (const piece of world.components(i => world.countryAt(i) === r.entry)) {
                if (piece.length > 2) continue;
                for (const i of piece) if (!world.locked[i]) world.set(i, WATER);
            }
        }
    }

    // Narrow strips of land (the waist of Vietnam, the Kra isthmus, the north
    // of Norway) can fall between cell centres and leave a country cut in two.
    // A piece that borders foreign land a few cells from another piece of its
    // own country is joined to it again across the fewest foreign cells.
    joinCutPieces() {
        const world = this.world;
        for (const r of this.countries) {
            const own = i => world.countryAt(i) === r.entry;
            const pieces = world.components(own).sort((a, b) => b.length - a.length);
            for (const piece of pieces.slice(1)) {
                const bordersLand = piece.some(i => world.neighbours(i).some(n =>
                    world.label[n] !== WATER && !own(n)));
                if (!bordersLand) continue;
                const inPiece = new Set(piece);
                const joined = this.paintAround(allowed => {
                    const step = n => {
                        if (own(n)) return 0;
                        const m = world.label[n];
                        const blocked = m === WATER || world.locked[n] || world.holdsEdge(m, n) || !allowed(n) ||
                                        world.entryFor(r.entry, n >> 8, n & 255) < 0;
                        return blocked ? Infinity : 1;
                    };
                    const path = cheapestPath(world, piece, step, i => !inPiece.has(i) && own(i), JOIN_GAP);
                    return path?.filter(i => !own(i)).map(i => [i, world.entryFor(r.entry, i >> 8, i & 255)]);
                });
                if (joined) this.log(`${r.name}: joined a piece of ${piece.length} cells`);
            }
        }
    }

    // A place reached only from some sides has land of its country there; a
    // place reached from every side keeps at least one such neighbour. Thimphu
    // lies inside Bhutan's mountains.
    lockApproaches(cell, country, sides) {
        const world = this.world;
        const around = cellsBeside(cell, sides);
        const own = around.filter(([x, y]) => world.countryAt(index(x, y)) === country);
        const wanted = country === BHUTAN || sides ? around : own.length > 0 ? own : around.slice(0, 1);
        for (const [x, y] of wanted) {
            const i = index(x, y);
            if (world.label[i] === FIXED) continue;
            const entry = country === BHUTAN ? BHUTAN_MOUNTAINS : world.entryFor(country, x, y);
            if (world.countryAt(i) !== country) world.set(i, entry);
            world.locked[i] = 1;
        }
    }

    // A region that does not reach an edge of its box grows an arm to it: the
    // way inside the box that takes the fewest cells from others, and none that
    // is locked or that another region needs for an edge of its own box.
    reachBoxEdges() {
        const world = this.world;
        for (const r of world.regions) {
            const [x0, x1, y0, y1] = r.box, l = r.entry;
            if (world.count[l] === 0 && r.mountainsOf !== undefined) {
                // a mountain area may be in pieces: two opposite corners reach all four edges
                world.set(index(x0, y0), l);
                world.set(index(x1, y1), l);
            } else if (world.count[l] === 0) {
                world.set(index((x0 + x1) >> 1, (y0 + y1) >> 1), l);
            }
            const edges = [
                [world.colCount[l], x0, i => i >> 8 === x0], [world.colCount[l], x1, i => i >> 8 === x1],
                [world.rowCount[l], y0, i => (i & 255) === y0], [world.rowCount[l], y1, i => (i & 255) === y1],
            ];
            for (const [counts, at, onEdge] of edges) {
                if (counts[at] > 0) continue;
                this.paintAround(allowed => {
                    const starts = [];
                    for (let i = 0; i < SIZE * SIZE; ++i) if (world.label[i] === l) starts.push(i);
                    const step = n => {
                        const m = world.label[n];
                        if (m === l) return 0;
                        const blocked = !world.inBox(l, n >> 8, n & 255) || world.locked[n] || !allowed(n) ||
                                        world.holdsEdge(m, n);
                        return blocked ? Infinity : 1;
                    };
                    return cheapestPath(world, starts, step, onEdge)?.filter(i => world.label[i] !== l).map(i => [i, l]);
                });
            }
        }
    }
}
