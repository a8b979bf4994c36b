// The grid being built: one label per cell (a region entry, water or a fixed
// capital or city cell), with the bookkeeping the fitting steps need.
import { SIZE, index } from "./raster.js";

export const WATER = 105;
export const FIXED = 106;
const LABELS = 107;
const DIRS = [[0, -1], [1, 0], [0, 1], [-1, 0]];
// The eight neighbours in ring order, starting north and turning clockwise.
const RING = [[0, -1], [1, -1], [1, 0], [1, 1], [0, 1], [-1, 1], [-1, 0], [-1, -1]];

export class World {
    constructor(regions) {
        this.regions = regions;
        this.label = new Int16Array(SIZE * SIZE).fill(WATER);
        this.locked = new Uint8Array(SIZE * SIZE);
        this.fixedCountry = new Int16Array(SIZE * SIZE).fill(-1);
        this.countryOf = new Int16Array(LABELS).fill(-1);
        for (const r of regions) this.countryOf[r.entry] = r.mountainsOf ?? r.entry;
        this.entriesOf = new Map();
        for (const r of regions) {
            const c = this.countryOf[r.entry];
            if (!this.entriesOf.has(c)) this.entriesOf.set(c, []);
            this.entriesOf.get(c).push(r.entry);
        }
        this.count = new Int32Array(LABELS);
        this.colCount = Array.from({ length: LABELS }, () => new Int32Array(SIZE));
        this.rowCount = Array.from({ length: LABELS }, () => new Int32Array(SIZE));
        this.count[WATER] = SIZE * SIZE;
        this.colCount[WATER].fill(SIZE);
        this.rowCount[WATER].fill(SIZE);
    }

    set(i, l) {
        const old = this.label[i];
        if (old === l) return;
        const x = i >> 8, y = i & 255;
        --this.count[old]; --this.colCount[old][x]; --this.rowCount[old][y];
        ++this.count[l]; ++this.colCount[l][x]; ++this.rowCount[l][y];
        this.label[i] = l;
    }

    fix(x, y, country) {
        const i = index(x, y);
        this.set(i, FIXED);
        this.locked[i] = 1;
        this.fixedCountry[i] = country;
    }

    inBox(l, x, y) {
        if (l === WATER) return true;
        if (l === FIXED) return false;
        const [x0, x1, y0, y1] = this.regions[l].box;
        return x >= x0 && x <= x1 && y >= y0 && y <= y1;
    }

    // The country a cell belongs to (main entry), -1 for water.
    countryAt(i) {
        const l = this.label[i];
        return l === FIXED ? this.fixedCountry[i] : this.countryOf[l];
    }

    // The first entry of the country whose box holds the cell, or -1.
    entryFor(country, x, y) {
        const entries = this.entriesOf.get(country);
        const main = entries.find(e => e === country);
        const order = [main, ...entries.filter(e => e !== country)];
        return order.find(e => this.inBox(e, x, y)) ?? -1;
    }

    neighbours(i) {
        const x = i >> 8, y = i & 255, out = [];
        for (const [dx, dy] of DIRS) {
            const nx = x + dx, ny = y + dy;
            if (nx >= 0 && nx < SIZE && ny >= 0 && ny < SIZE) out.push(index(nx, ny));
        }
        return out;
    }

    // Whether taking cell i out of the set `member` could cut that set in two:
    // its members among the four neighbours do not hang together around it.
    splits(i, member) {
        const x = i >> 8, y = i & 255;
        const inSet = RING.map(([dx, dy]) => {
            const nx = x + dx, ny = y + dy;
            return nx >= 0 && nx < SIZE && ny >= 0 && ny < SIZE && member(index(nx, ny));
        });
        let groups = 0;
        for (let k = 0; k < 8; k += 2) {
            // an orthogonal member starts a new group unless linked to the previous
            // orthogonal neighbour through the corner between them
            if (!inSet[k]) continue;
            const prev = (k + 6) % 8;
            if (!(inSet[prev] && inSet[(k + 7) % 8])) ++groups;
        }
        if (groups === 0 && inSet.filter((v, k) => v && k % 2 === 0).length === 4) return false;
        return groups > 1;
    }

    // Whether cell i is the last cell of label l on an edge of l's box.
    holdsEdge(l, i) {
        if (l === WATER) return false;
        const x = i >> 8, y = i & 255;
        const [x0, x1, y0, y1] = this.regions[l].box;
        return ((x === x0 || x === x1) && this.colCount[l][x] <= 1) ||
               ((y === y0 || y === y1) && this.rowCount[l][y] <= 1);
    }

    pieceCount(country) {
        return this.components(i => this.countryAt(i) === country).length;
    }

    // Applies [cell, label] changes unless they leave some country in more
    // pieces than before; returns -1 when applied, else the country they cut.
    tryPaint(changes) {
        const affected = new Set(changes.map(([i]) => this.countryAt(i)).filter(c => c >= 0));
        const before = new Map([...affected].map(c => [c, this.pieceCount(c)]));
        const old = changes.map(([i]) => this.label[i]);
        for (const [i, l] of changes) this.set(i, l);
        for (const c of affected) {
            if (this.pieceCount(c) > before.get(c)) {
                changes.forEach(([i], k) => this.set(i, old[k]));
                return c;
            }
        }
        return -1;
    }

    // Connected pieces (4-neighbourhood) of the cells for which `member` holds.
    components(member) {
        const seen = new Uint8Array(SIZE * SIZE), pieces = [];
        for (let s = 0; s < SIZE * SIZE; ++s) {
            if (seen[s] || !member(s)) continue;
            const piece = [s];
            seen[s] = 1;
            for (let k = 0; k < piece.length; ++k) {
                for (const n of this.neighbours(piece[k])) {
                    if (!seen[n] && member(n)) { seen[n] = 1; piece.push(n); }
                }
            }
            pieces.push(piece);
        }
        return pieces;
    }
}
