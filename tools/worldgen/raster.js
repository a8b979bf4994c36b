// Scan conversion of projected polygons at the cell centres: cell (x, y)
// belongs to a polygon when the point (x, y) of the grid plane lies inside it.
export const SIZE = 256;
export const index = (x, y) => x * SIZE + y;

// Marks the cells inside one polygon (outer ring and holes, even-odd rule).
export function fillPolygon(rings, mark) {
    const crossings = new Map();
    for (const ring of rings) {
        for (let i = 0, j = ring.length - 1; i < ring.length; j = i++) {
            const [x1, y1] = ring[j], [x2, y2] = ring[i];
            if (y1 === y2) continue;
            const lo = Math.ceil(Math.min(y1, y2)), hi = Math.ceil(Math.max(y1, y2)) - 1;
            for (let y = Math.max(lo, 0); y <= Math.min(hi, SIZE - 1); ++y) {
                const x = x1 + (y - y1) * (x2 - x1) / (y2 - y1);
                if (!crossings.has(y)) crossings.set(y, []);
                crossings.get(y).push(x);
            }
        }
    }
    for (const [y, xs] of crossings) {
        xs.sort((a, b) => a - b);
        for (let k = 0; k + 1 < xs.length; k += 2) {
            for (let x = Math.max(Math.ceil(xs[k]), 0); x < Math.min(xs[k + 1], SIZE); ++x) {
                mark(index(x, y));
            }
        }
    }
}

// Marks the cells of a GeoJSON Polygon or MultiPolygon geometry.
export function fillGeometry(geometry, project, mark) {
    const polygons = geometry.type === "Polygon" ? [geometry.coordinates] : geometry.coordinates;
    for (const polygon of polygons) {
        fillPolygon(polygon.map(ring => ring.map(([lon, lat]) => project(lon, lat))), mark);
    }
}

// Clips a (longitude, latitude) ring to a box [west, east, south, north]
// (Sutherland-Hodgman, one box side at a time).
export function clipRing(ring, [west, east, south, north]) {
    const sides = [
        [p => p[0] >= west, (a, b) => cut(a, b, 0, west)], [p => p[0] <= east, (a, b) => cut(a, b, 0, east)],
        [p => p[1] >= south, (a, b) => cut(a, b, 1, south)], [p => p[1] <= north, (a, b) => cut(a, b, 1, north)],
    ];
    function cut(a, b, axis, at) {
        const t = (at - a[axis]) / (b[axis] - a[axis]);
        return [a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])];
    }
    let out = ring;
    for (const [inside, crossing] of sides) {
        const input = out;
        out = [];
        input.forEach((p, k) => {
            const q = input[(k + input.length - 1) % input.length];
            if (inside(p)) {
                if (!inside(q)) out.push(crossing(q, p));
                out.push(p);
            } else if (inside(q)) {
                out.push(crossing(q, p));
            }
        });
        if (out.length === 0) break;
    }
    return out;
}
