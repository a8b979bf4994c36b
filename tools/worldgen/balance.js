// Brings every label to its target count by moving single border cells
// between neighbouring labels. A surplus is passed along a chain of
// neighbouring labels to a label that lacks cells (an augmenting path in the
// graph of labels). A move keeps the receiving label inside its box, never
// takes the last cell of a label on an edge of its box, never cuts a region or
// a country in two, and never touches a locked cell.
import { SIZE } from "./raster.js";
import { WATER, FIXED } from "./world.js";

const CANDIDATES_PER_PAIR = 3;

// Islands and exclaves this small keep every cell: taking cells one by one
// never cuts them, but could wear them away.
const SMALL_PIECE = 10;

function smallPieces(world) {
    const small = new Uint8Array(SIZE * SIZE);
    for (const country of world.entriesOf.keys()) {
        const pieces = world.components(i => world.countryAt(i) === country).sort((a, b) => b.length - a.length);
        for (const piece of pieces.slice(1)) {
            if (piece.length <= SMALL_PIECE) for (const i of piece) small[i] = 1;
        }
    }
    return small;
}

function movable(world, small, i, to) {
    const from = world.label[i];
    if (from === FIXED || world.locked[i] || small[i] || from === to) return false;
    if (!world.inBox(to, i >> 8, i & 255) || world.holdsEdge(from, i)) return false;
    const country = world.countryOf[from];
    // mountain areas may lie in several pieces; a country and its main region may not
    const mountains = from !== WATER && world.regions[from].mountainsOf !== undefined;
    if (!mountains && world.splits(i, n => world.label[n] === from ||
                                          (country >= 0 && world.label[n] === FIXED && world.fixedCountry[n] === country))) {
        return false;
    }
    if (country >= 0 && world.countryOf[to] !== country &&
        world.splits(i, n => world.countryAt(n) === country)) return false;
    return true;
}

// Best few cells for every (from, to) pair: those with most neighbours in `to`.
function collectCandidates(world, small) {
    const pairs = new Map();
    for (let i = 0; i < SIZE * SIZE; ++i) {
        const from = world.label[i];
        if (from === FIXED || world.locked[i]) continue;
        const seen = new Map();
        for (const n of world.neighbours(i)) {
            const to = world.label[n];
            if (to !== from && to !== FIXED) seen.set(to, (seen.get(to) ?? 0) + 1);
        }
        for (const [to, score] of seen) {
            if (!movable(world, small, i, to)) continue;
            const key = from * 256 + to;
            if (!pairs.has(key)) pairs.set(key, []);
            const list = pairs.get(key);
            list.push({ i, score });
            if (list.length > CANDIDATES_PER_PAIR * 4) {
                list.sort((a, b) => b.score - a.score);
                list.length = CANDIDATES_PER_PAIR;
            }
        }
    }
    for (const list of pairs.values()) {
        list.sort((a, b) => b.score - a.score);
        list.length = Math.min(list.length, CANDIDATES_PER_PAIR);
    }
    return pairs;
}

function findPath(world, pairs, surplus) {
    const edges = new Map();
    for (const key of pairs.keys()) {
        const from = key >> 8;
        if (!edges.has(from)) edges.set(from, []);
        edges.get(from).push(key & 255);
    }
    const previous = new Map();
    const queue = [];
    for (const [l, s] of surplus) if (s > 0) { previous.set(l, -1); queue.push(l); }
    for (let k = 0; k < queue.length; ++k) {
        const from = queue[k];
        for (const to of edges.get(from) ?? []) {
            if (previous.has(to)) continue;
            previous.set(to, from);
            if ((surplus.get(to) ?? 0) < 0) {
                const path = [to];
                for (let l = from; l !== -1; l = previous.get(l)) path.unshift(l);
                return path;
            }
            queue.push(to);
        }
    }
    return null;
}

export function balance(world, targets, log) {
    for (let round = 0; ; ++round) {
        const surplus = new Map();
        let off = 0;
        for (const [l, t] of targets) {
            const s = world.count[l] - t;
            if (s !== 0) { surplus.set(l, s); off += Math.abs(s); }
        }
        if (off === 0) return true;
        const small = smallPieces(world);
        const pairs = collectCandidates(world, small);
        let moved = 0;
        for (let path; (path = findPath(world, pairs, surplus));) {
            // the moves of one path are checked again as earlier moves change the grid
            const moves = [];
            for (let k = 0; k + 1 < path.length; ++k) {
                const key = path[k] * 256 + path[k + 1];
                const list = pairs.get(key);
                let pick = null;
                while (list.length > 0 && !pick) {
                    const c = list.shift();
                    if (!moves.some(m => m.i === c.i) && movable(world, small, c.i, path[k + 1])) pick = c;
                }
                if (list.length === 0) pairs.delete(key);
                if (!pick) { moves.length = 0; break; }
                moves.push({ i: pick.i, to: path[k + 1] });
            }
            if (moves.length === 0) continue;
            for (const m of moves) world.set(m.i, m.to);
            surplus.set(path[0], surplus.get(path[0]) - 1);
            surplus.set(path.at(-1), surplus.get(path.at(-1)) + 1);
            ++moved;
        }
        log(`balance round ${round}: ${off} cells off, ${moved} moved`);
        if (moved === 0) return false;
    }
}
