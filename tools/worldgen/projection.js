// Lambert azimuthal equal-area projection onto the grid, fitted to the capitals.
const RAD = Math.PI / 180;

// Unit-sphere azimuthal equal-area coordinates (X east, Y north) about a centre.
export function azimuthal(lon, lat, centre) {
    const l = (lon - centre.lon) * RAD, p = lat * RAD, p0 = centre.lat * RAD;
    const cosc = Math.sin(p0) * Math.sin(p) + Math.cos(p0) * Math.cos(p) * Math.cos(l);
    const k = Math.sqrt(2 / (1 + cosc));
    return [k * Math.cos(p) * Math.sin(l),
            k * (Math.cos(p0) * Math.sin(p) - Math.sin(p0) * Math.cos(p) * Math.cos(l))];
}

// Grid coordinates: a scaled rotation of (X, Y) with y growing southward,
// x = A X + B Y + tx, y = B X - A Y + ty.
export function makeProjection(p) {
    return (lon, lat) => {
        const [X, Y] = azimuthal(lon, lat, p.centre);
        return [p.A * X + p.B * Y + p.tx, p.B * X - p.A * Y + p.ty];
    };
}

// Least squares for A, B, tx, ty with the centre fixed (the normal equations
// of a similarity transform split into means and centred sums).
function fitLinear(points, centre) {
    const q = points.map(pt => [...azimuthal(pt.lon, pt.lat, centre), pt.x, pt.y]);
    const n = q.length;
    const mean = i => q.reduce((s, r) => s + r[i], 0) / n;
    const [mX, mY, mx, my] = [mean(0), mean(1), mean(2), mean(3)];
    let sAA = 0, sA = 0, sB = 0;
    for (const [X, Y, x, y] of q) {
        const dX = X - mX, dY = Y - mY, dx = x - mx, dy = y - my;
        sAA += dX * dX + dY * dY;
        sA += dx * dX - dy * dY;
        sB += dx * dY + dy * dX;
    }
    const A = sA / sAA, B = sB / sAA;
    const p = { centre, A, B, tx: mx - A * mX - B * mY, ty: my - B * mX + A * mY };
    const proj = makeProjection(p);
    p.rss = q.reduce((s, _, i) => {
        const [x, y] = proj(points[i].lon, points[i].lat);
        return s + (x - points[i].x) ** 2 + (y - points[i].y) ** 2;
    }, 0);
    return p;
}

// The centre is found by shrinking pattern search around a first guess.
export function fitProjection(points, guess) {
    let best = fitLinear(points, guess);
    for (let step = 4; step > 1e-4; step /= 2) {
        for (let improved = true; improved;) {
            improved = false;
            for (const [dl, dp] of [[step, 0], [-step, 0], [0, step], [0, -step]]) {
                const c = { lon: best.centre.lon + dl, lat: best.centre.lat + dp };
                const p = fitLinear(points, c);
                if (p.rss < best.rss) { best = p; improved = true; }
            }
        }
    }
    best.rms = Math.sqrt(best.rss / points.length);
    return best;
}

// The map's art does not follow any projection exactly: each capital and city
// sits on a cell of its own. Nearby land is moved by a smooth blend of those
// places' offsets, so that coasts and borders keep their places next to them.
export function makeWarpedProjection(p, anchors, radius) {
    const base = makeProjection(p);
    const offsets = anchors.map(a => {
        const [x, y] = base(a.lon, a.lat);
        return { x, y, dx: a.x - x, dy: a.y - y };
    });
    return (lon, lat) => {
        const [x, y] = base(lon, lat);
        let w = 0, dx = 0, dy = 0;
        for (const o of offsets) {
            const k = Math.exp(-((x - o.x) ** 2 + (y - o.y) ** 2) / (2 * radius * radius));
            w += k; dx += k * o.dx; dy += k * o.dy;
        }
        const norm = Math.max(1, w);
        return [x + dx / norm, y + dy / norm];
    };
}
