// Walks the legs of the journey on the grid as a hiker on foot would, and
// opens a way where none exists. A step may enter a capital or city cell, a
// cell of the present or the destination country, its mountain area by
// climbing, and water on a sea leg. Within one cell of the destination country
// the hiker has crossed over, and the present country is left behind.
import { index } from "./raster.js";
import { WATER, FIXED } from "./world.js";
import { BucketQueue } from "./paths.js";
import { cellsBeside } from "./places.js";

// The main, second and third region of a country, as the legs use them.
function triple(world, country) {
    const [main, a, b] = world.entriesOf.get(country);
    return [main, a ?? main, b ?? a ?? main];
}

function legCodes(world, leg) {
    const [pp, ppa, ppb] = triple(world, leg.from);
    const [pn, pna, pnb] = leg.mainOnly ? [leg.to, leg.to, leg.to] : triple(world, leg.to);
    return { pp, ppa, ppb, pn, pna, pnb, sea: leg.sea };
}

function crossed(c) {
    return { ...c, pp: c.pn, ppa: c.pna, ppb: c.pnb };
}

function enterable(c, l) {
    return l === FIXED || (l === WATER && c.sea) || l === c.pp || l === c.pn ||
           (c.pp !== c.ppa && l === c.ppa) || (c.pn !== c.pna && l === c.pna);
}

function crossesHere(world, c, i) {
    const l = world.label[i];
    return l === c.pn || l === c.pna || l === c.pnb || world.neighbours(i).some(n => world.label[n] === c.pn);
}

// Cheapest way from the capital to a cell beside the destination's capital on
// one of its sides. `convertible` gives the cost of making a cell passable
// (0: it may not be; null: none may).
function search(world, leg, places, convertible) {
    const codes = legCodes(world, leg);
    const start = index(...places.capital(leg.from));
    const goals = new Set(places.approaches(leg.to).map(([x, y]) => index(x, y)));
    const key = (i, over) => i * 2 + (over ? 1 : 0);
    const cost = new Map([[key(start, false), 0]]), from = new Map(), queue = new BucketQueue();
    queue.push(key(start, false), 0);
    while (queue.size > 0) {
        const [k, here] = queue.pop();
        if (here > cost.get(k)) continue;
        const i = k >> 1, wasOver = (k & 1) === 1;
        if (goals.has(i)) {
            const path = [];
            for (let p = k; from.has(p); p = from.get(p)) path.push(p >> 1);
            return { cost: here, path };
        }
        const over = wasOver || crossesHere(world, codes, i);
        const now = over ? crossed(codes) : codes;
        for (const n of world.neighbours(i)) {
            let step = 0;
            if (!enterable(now, world.label[n])) {
                step = convertible ? convertible(n, now) : 0;
                if (!step) continue;
            }
            const nk = key(n, over), c = here + step;
            if (c < (cost.get(nk) ?? Infinity)) { cost.set(nk, c); from.set(nk, k); queue.push(nk, c); }
        }
    }
    return null;
}

export function makePlaces(regions, capitalSides) {
    const byEntry = new Map(regions.filter(r => r.capital).map(r => [r.entry, r.capital.cell]));
    return {
        capital: entry => byEntry.get(entry),
        approaches: entry => cellsBeside(byEntry.get(entry), capitalSides[entry]),
    };
}

export function walkable(world, leg, places) {
    return search(world, leg, places, null) !== null;
}

// The fewest cells that would make a leg walkable, each given to the leg's
// country whose box holds it, as [cell, label] changes (the cells already
// passable come with their own label); null when there is no way.
export function wayForLeg(world, leg, places, mayTake) {
    const codes = legCodes(world, leg);
    // a taken cell becomes open country or, outside that box, the mountains
    const walkableLabel = (i, c) => [c.pn, c.pna, c.pp, c.ppa].find(l => world.inBox(l, i >> 8, i & 255));
    // land of a third country is taken before the sea or a cell that another
    // region needs for an edge of its box
    const convertible = (n, now) => {
        const l = world.label[n];
        if (world.locked[n] || l === FIXED || walkableLabel(n, now) === undefined || !mayTake(n)) return 0;
        return world.holdsEdge(l, n) ? 6 : l === WATER ? (leg.sea ? 1 : 8) : 1;
    };
    const found = search(world, leg, places, convertible);
    if (!found) return null;
    return found.path.map(i => {
        const l = world.label[i];
        if (enterable(codes, l) || enterable(crossed(codes), l)) return [i, l];
        return [i, walkableLabel(i, codes)];
    });
}
