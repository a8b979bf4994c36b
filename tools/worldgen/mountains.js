// Places each mountain area on the cells of its country nearest to the
// area's ridge lines, inside the area's bounding box.
import { index } from "./raster.js";

function segmentDistance(px, py, [ax, ay], [bx, by]) {
    const dx = bx - ax, dy = by - ay;
    const t = Math.max(0, Math.min(1, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy || 1)));
    return Math.hypot(px - ax - t * dx, py - ay - t * dy);
}

export function placeMountains(world, ridges, project) {
    for (const area of world.regions.filter(r => r.mountainsOf !== undefined)) {
        const country = area.mountainsOf;
        const lines = ridges[area.entry].map(line => line.map(([lon, lat]) => project(lon, lat)));
        const distance = (x, y) => Math.min(...lines.flatMap(line =>
            line.slice(1).map((b, k) => segmentDistance(x, y, line[k], b))));
        const [x0, x1, y0, y1] = area.box;
        const cells = [];
        for (let x = x0; x <= x1; ++x) {
            for (let y = y0; y <= y1; ++y) {
                const i = index(x, y);
                if (world.label[i] !== country) continue;
                // cells outside the country's own box can only be mountains
                const forced = !world.inBox(country, x, y);
                cells.push({ i, key: forced ? -1 : distance(x, y) });
            }
        }
        // every edge of the box gets a cell first, corners preferred
        const onEdges = i => [(i >> 8) === x0, (i >> 8) === x1, (i & 255) === y0, (i & 255) === y1];
        const covered = [false, false, false, false];
        const chosen = new Set(cells.filter(c => c.key < 0).map(c => c.i));
        for (const i of chosen) onEdges(i).forEach((on, k) => { covered[k] ||= on; });
        for (let k = 0; k < 4; ++k) {
            if (covered[k]) continue;
            const gain = c => onEdges(c.i).filter((on, e) => on && !covered[e]).length;
            const seed = cells.filter(c => onEdges(c.i)[k])
                              .sort((a, b) => gain(b) - gain(a) || a.key - b.key)[0];
            if (!seed) continue;
            chosen.add(seed.i);
            onEdges(seed.i).forEach((on, e) => { covered[e] ||= on; });
        }
        cells.sort((a, b) => a.key - b.key);
        for (const c of cells) {
            if (chosen.size >= area.cells) break;
            chosen.add(c.i);
        }
        for (const i of chosen) world.set(i, area.entry);
    }
}

