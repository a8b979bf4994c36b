// Cheapest paths over the grid with small whole-number step costs.

// A priority queue for small whole-number costs: one list per cost.
export class BucketQueue {
    constructor() {
        this.buckets = [];
        this.lowest = 0;
        this.size = 0;
    }

    push(item, cost) {
        (this.buckets[cost] ??= []).push(item);
        this.lowest = Math.min(this.lowest, cost);
        ++this.size;
    }

    // The item pushed with the lowest cost, and that cost.
    pop() {
        while (!this.buckets[this.lowest]?.length) ++this.lowest;
        --this.size;
        return [this.buckets[this.lowest].pop(), this.lowest];
    }
}

// The cheapest way from any of `starts` to a cell for which `done` holds,
// where entering cell n from cell i costs stepCost(n, i) (Infinity: never).
// Returns the cells after the start, goal last, or null when none costs at
// most `limit`.
export function cheapestPath(world, starts, stepCost, done, limit = Infinity) {
    const cost = new Map(), from = new Map(), queue = new BucketQueue();
    for (const i of starts) { cost.set(i, 0); queue.push(i, 0); }
    while (queue.size > 0) {
        const [i, c] = queue.pop();
        if (c > cost.get(i)) continue;
        if (c > limit) return null;
        if (done(i)) {
            const path = [];
            for (let k = i; from.has(k); k = from.get(k)) path.unshift(k);
            return path;
        }
        for (const n of world.neighbours(i)) {
            const next = c + stepCost(n, i);
            if (next < (cost.get(n) ?? Infinity)) { cost.set(n, next); from.set(n, i); queue.push(n, next); }
        }
    }
    return null;
}
