// Flags of 1997 that differ from today's artwork (or have none), and those
// whose exact proportions the 4:3 artwork does not keep, drawn here as SVG on
// a 600 x 400 field, the 120 x 80 picture at five times its size.

const W = 600;
const H = 400;

function svg(body) {
    const root = `xmlns="http://www.w3.org/2000/svg" viewBox="0 0 ${W} ${H}" width="120" height="80"`;
    return `<svg ${root}>${body}</svg>`;
}

const round = (v) => Math.round(v * 100) / 100;

const field = (fill) => `<rect width="${W}" height="${H}" fill="${fill}"/>`;

function polygon(points, fill) {
    const d = points.map(([x, y], i) => `${i ? "L" : "M"}${round(x)} ${round(y)}`).join("");
    return `<path fill="${fill}" d="${d}Z"/>`;
}

// A five-pointed star, one point up (or turned by `turn` radians).
function star(cx, cy, r, fill, turn = 0) {
    const points = [];
    for (let k = 0; k < 10; ++k) {
        const a = turn - Math.PI / 2 + (k * Math.PI) / 5;
        const radius = k % 2 ? r * 0.382 : r;
        points.push([cx + radius * Math.cos(a), cy + radius * Math.sin(a)]);
    }
    return polygon(points, fill);
}

function bands(colours) {
    const h = H / colours.length;
    return colours.map((c, i) => `<rect y="${round(i * h)}" width="${W}" height="${round(h)}" fill="${c}"/>`).join("");
}

// Japan: the disc three fifths of the height, centred, as the law draws it; the
// 4:3 artwork cut to 3:2 would make it a ninth too large.
function japan() {
    return svg(field("#ffffff") + `<circle cx="300" cy="200" r="120" fill="#bc002d"/>`);
}

// South Korea, built as its law builds it: the circle half the height, its
// S-curve and the trigrams on the diagonals of the 3:2 field.
function korea() {
    const [cx, cy, r] = [300, 200, 100];
    const diagonal = Math.atan2(H, W);
    const along = (d, a) => `${round(cx + d * Math.cos(a))} ${round(cy + d * Math.sin(a))}`;
    const [a, b] = [along(-r, diagonal), along(r, diagonal)];
    const taegeuk =
        `<circle cx="${cx}" cy="${cy}" r="${r}" fill="#0047a0"/>` +
        `<path fill="#cd2e3a" d="M${a}A${r} ${r} 0 0 1 ${b}A${r / 2} ${r / 2} 0 0 0 ${cx} ${cy}` +
        `A${r / 2} ${r / 2} 0 0 1 ${a}Z"/>`;
    // Bars of a twelfth of the circle's diameter, a twenty-fourth apart,
    // starting three quarters of the diameter out; a broken bar has a gap.
    const unit = (2 * r) / 24;
    const bar = (k, broken) => {
        const x = 3 * r / 2 + k * 3 * unit;
        const half = (y, h) =>
            `<rect x="${round(x)}" y="${round(y)}" width="${round(2 * unit)}" height="${round(h)}"/>`;
        return broken ? half(-r / 2, r / 2 - unit / 2) + half(unit / 2, r / 2 - unit / 2) : half(-r / 2, r);
    };
    const trigram = (angle, brokenBars) =>
        `<g transform="translate(${cx} ${cy})rotate(${round((angle * 180) / Math.PI)})">` +
        brokenBars.map((broken, k) => bar(k, broken)).join("") +
        "</g>";
    return svg(
        field("#ffffff") +
            taegeuk +
            trigram(diagonal + Math.PI, [false, false, false]) +
            trigram(diagonal, [true, true, true]) +
            trigram(-diagonal, [true, false, true]) +
            trigram(Math.PI - diagonal, [false, true, false]),
    );
}

// The Federal Republic of Yugoslavia (1992-2003): blue, white and red.
function yugoslavia() {
    return svg(bands(["#0c4076", "#ffffff", "#c6363c"]));
}

// Georgia 1990-2004: a cherry field with black over white in the upper hoist.
function georgia() {
    return svg(
        field("#8e1b24") +
            `<rect width="200" height="60" fill="#000000"/>` +
            `<rect y="60" width="200" height="60" fill="#ffffff"/>`,
    );
}

// Syria 1980-2024: red, white and black with two green stars.
function syria() {
    const green = "#007a3d";
    const stars = star(200, 200, 52, green) + star(400, 200, 52, green);
    return svg(bands(["#ce1126", "#ffffff", "#000000"]) + stars);
}

// A stylised lily: a tall middle petal, two curled side petals, a band and a
// foot, drawn on a unit grid around (cx, cy) and scaled by s.
function lily(cx, cy, s, fill) {
    const p = (x, y) => `${round(cx + x * s)} ${round(cy + y * s)}`;
    const curve = (points) => `C${points.map((q) => p(...q)).join(" ")}`;
    const path = (first, ...curves) => `M${p(...first)}${curves.map(curve).join("")}Z`;
    const petal = (side) =>
        path(
            [side * 0.08, 0.2],
            [[side * 0.35, -0.35], [side * 0.95, -0.3], [side * 0.75, 0.15]],
            [[side * 0.7, -0.1], [side * 0.4, -0.05], [side * 0.3, 0.3]],
        );
    const middle = path([0, -1], [[0.38, -0.6], [0.3, -0.05], [0, 0.25]], [[-0.3, -0.05], [-0.38, -0.6], [0, -1]]);
    const band = `M${p(-0.45, 0.25)}L${p(0.45, 0.25)}L${p(0.45, 0.4)}L${p(-0.45, 0.4)}Z`;
    const foot = `M${p(-0.12, 0.4)}L${p(-0.22, 0.85)}L${p(0.22, 0.85)}L${p(0.12, 0.4)}Z`;
    return `<path fill="${fill}" d="${middle}${petal(1)}${petal(-1)}${band}${foot}"/>`;
}

// Bosnia and Herzegovina 1992-1998: on white, a blue shield cut by a white
// bend, with three golden lilies on each side of it.
function bosnia() {
    const [left, top, width, height] = [190, 40, 220, 320];
    const right = left + width;
    const shoulder = top + height * 0.55;
    const xy = (x, y) => `${left + x * width} ${top + y * height}`;
    const shield =
        `M${xy(0, 0)}H${right}V${shoulder}` +
        `C${xy(1, 0.85)} ${xy(0.65, 0.95)} ${xy(0.5, 1)}` +
        `C${xy(0.35, 0.95)} ${xy(0, 0.85)} ${xy(0, 0.55)}Z`;
    const gold = "#f2c300";
    const at = (x, y) => [left + x * width, top + y * height];
    const lilies = [at(0.5, 0.14), at(0.8, 0.14), at(0.8, 0.44), at(0.2, 0.4), at(0.2, 0.68), at(0.48, 0.72)];
    return svg(
        field("#ffffff") +
            `<clipPath id="shield"><path d="${shield}"/></clipPath>` +
            `<path fill="#0d3b8c" d="${shield}"/>` +
            `<path clip-path="url(#shield)" stroke="#ffffff" stroke-width="48"` +
            ` d="M${left} ${top}L${right} ${top + height * 0.85}"/>` +
            lilies.map(([x, y]) => lily(x, y, 26, gold)).join("") +
            `<path fill="none" stroke="${gold}" stroke-width="7" d="${shield}"/>`,
    );
}

// A cogwheel of `teeth` teeth around a hole.
function cogwheel(cx, cy, outer, inner, hole, teeth, fill, holeFill) {
    const points = [];
    for (let k = 0; k < teeth * 4; ++k) {
        const a = -Math.PI / 2 + ((k - 0.5) * Math.PI) / (teeth * 2);
        const r = k % 4 < 2 ? outer : inner;
        points.push([cx + r * Math.cos(a), cy + r * Math.sin(a)]);
    }
    return polygon(points, fill) + `<circle cx="${cx}" cy="${cy}" r="${hole}" fill="${holeFill}"/>`;
}

// Burma 1974-2010: a red field with a blue canton bearing a cogwheel with a
// rice plant inside a ring of fourteen stars.
function myanmar() {
    const [cx, cy] = [150, 100];
    const white = "#ffffff";
    const blue = "#0b1f7a";
    const stars = Array.from({ length: 14 }, (_, k) => {
        const a = -Math.PI / 2 + (k * 2 * Math.PI) / 14;
        return star(cx + 78 * Math.cos(a), cy + 78 * Math.sin(a), 13, white, a + Math.PI / 2);
    });
    const grain = (x, y) => `<ellipse cx="${x}" cy="${y}" rx="4" ry="7" fill="${white}"/>`;
    const rice =
        `<path d="M${cx} ${cy + 30}V${cy - 24}M${cx} ${cy + 18}Q${cx - 16} ${cy + 4} ${cx - 20} ${cy - 14}` +
        `M${cx} ${cy + 18}Q${cx + 16} ${cy + 4} ${cx + 20} ${cy - 14}" stroke="${white}" stroke-width="5" fill="none"/>` +
        [-18, -8, 2].map((dy) => grain(cx - 7, cy + dy) + grain(cx + 7, cy + dy)).join("") +
        grain(cx, cy - 26);
    return svg(
        field("#d8262e") +
            `<rect width="300" height="200" fill="${blue}"/>` +
            stars.join("") +
            cogwheel(cx, cy, 52, 44, 36, 14, white, blue) +
            rice,
    );
}

// Kyrgyzstan 1992-2023: a sun of forty curving rays on red, with the yurt's
// crown (tunduk) in red at its heart.
function kyrgyzstan() {
    const [cx, cy] = [300, 200];
    const red = "#e8112d";
    const gold = "#ffef00";
    const at = (r, a) => `${round(cx + r * Math.cos(a))} ${round(cy + r * Math.sin(a))}`;
    const step = (2 * Math.PI) / 40;
    const rays = Array.from({ length: 40 }, (_, k) => {
        // Each ray leans a little further round as it goes out.
        const a = k * step;
        const base = `M${at(60, a - step * 0.42)}`;
        const outward = `Q${at(110, a + step * 0.3)} ${at(150, a + step * 1.3)}`;
        const back = `Q${at(100, a + step * 0.7)} ${at(60, a + step * 0.42)}Z`;
        return base + outward + back;
    }).join("");
    // Three bowed lathes each way across the crown.
    const lathes = [-16, 0, 16]
        .map(
            (d) =>
                `M${cx + d} ${cy - 44}Q${cx + d * 1.6} ${cy} ${cx + d} ${cy + 44}` +
                `M${cx - 44} ${cy + d}Q${cx} ${cy + d * 1.6} ${cx + 44} ${cy + d}`,
        )
        .join("");
    return svg(
        field(red) +
            `<path fill="${gold}" d="${rays}"/>` +
            `<circle cx="${cx}" cy="${cy}" r="72" fill="${gold}"/>` +
            `<circle cx="${cx}" cy="${cy}" r="50" fill="none" stroke="${red}" stroke-width="10"/>` +
            `<path d="${lathes}" fill="none" stroke="${red}" stroke-width="7"/>`,
    );
}

// North Korea: blue, white, red, white and blue in 4 : 1 : 14 : 1 : 4, the
// white disc with the red star nearer the hoist (the artwork's bands are
// neither these shares nor free of a black border).
function northKorea() {
    const blue = "#024fa2";
    const white = "#ffffff";
    const red = "#ed1c27";
    const shares = [[4, blue], [1, white], [14, red], [1, white], [4, blue]];
    let top = 0;
    const body = shares.map(([share, fill]) => {
        const h = (H * share) / 24;
        const rect = `<rect y="${round(top)}" width="${W}" height="${round(h)}" fill="${fill}"/>`;
        top += h;
        return rect;
    });
    return svg(body.join("") + `<circle cx="224" cy="200" r="93" fill="${white}"/>` + star(224, 200, 75, red));
}

// China, on the law's grid: the hoist's upper quarter cut into 15 x 10, the
// great star at (5, 5) three units across its points' circle, the four small
// ones at (10, 2), (12, 4), (12, 7) and (10, 9), each pointing at its centre.
function china() {
    const unit = W / 30;
    const yellow = "#ffde00";
    const small = [[10, 2], [12, 4], [12, 7], [10, 9]].map(([x, y]) =>
        star(x * unit, y * unit, unit, yellow, Math.atan2(5 - y, 5 - x) + Math.PI / 2),
    );
    return svg(field("#ee1c25") + star(5 * unit, 5 * unit, 3 * unit, yellow) + small.join(""));
}

// Afghanistan, the Islamic State (1992-2001): green, white and black with the
// state's arms, here simplified to a gold mosque in a wreath of wheat.
function afghanistan() {
    const gold = "#e0b000";
    const [cx, cy, r] = [300, 200, 92];
    const at = (deg) => {
        const a = (deg * Math.PI) / 180;
        return [round(cx + r * Math.cos(a)), round(cy + r * Math.sin(a))];
    };
    // Ears of wheat up each side of the wreath, from its foot to near its top.
    const ears = [];
    for (let deg = 110; deg <= 250; deg += 14) {
        for (const side of [1, -1]) {
            const a = side > 0 ? deg : 180 - deg;
            const [x, y] = at(a);
            const tilt = round(a + side * 115);
            ears.push(`<ellipse cx="${x}" cy="${y}" rx="15" ry="6" transform="rotate(${tilt} ${x} ${y})"/>`);
        }
    }
    const stalk = (from, to, sweep) => `M${at(from).join(" ")}A${r} ${r} 0 0 ${sweep} ${at(to).join(" ")}`;
    const stalks = `<path fill="none" stroke="${gold}" stroke-width="6" d="${stalk(110, 240, 1)}${stalk(70, 300, 0)}"/>`;
    const ribbon =
        `<path d="M${cx - 70} ${cy + 78}Q${cx} ${cy + 104} ${cx + 70} ${cy + 78}` +
        `L${cx + 62} ${cy + 92}Q${cx} ${cy + 118} ${cx - 62} ${cy + 92}Z"/>`;
    const rect = (x, y, w, h) => `<rect x="${cx + x}" y="${cy + y}" width="${w}" height="${h}"/>`;
    const mosque =
        rect(-42, -10, 84, 58) +
        `<path d="M${cx - 28} ${cy - 10}A28 28 0 0 1 ${cx + 28} ${cy - 10}Z"/>` +
        rect(-58, -40, 10, 88) +
        rect(48, -40, 10, 88) +
        rect(-66, 48, 132, 10);
    const mihrab = `<path fill="#ffffff" d="M${cx - 14} ${cy + 48}V${cy + 18}A14 14 0 0 1 ${cx + 14} ${cy + 18}V${cy + 48}Z"/>`;
    return svg(
        bands(["#007a36", "#ffffff", "#000000"]) +
            stalks +
            `<g fill="${gold}">${ears.join("")}${mosque}${ribbon}</g>` +
            mihrab,
    );
}

// Iraq 1991-2004: red, white and black, three green stars in the white band
// and the takbir between them, "Allahu" at the fly's side of the middle star
// and "Akbar" at the hoist's; its two words are the 2008 artwork's own
// calligraphy, cut apart and set in the gaps.
function iraq(artwork) {
    const green = "#007a3d";
    const takbir = artwork("IQ").match(/<g fill="#007a3d"[\s\S]*?<\/g>/)[0];
    const scale = 0.375;
    // A word's box in the artwork's 640 x 480 frame, shown centred at (cx, 200).
    const word = ([x, y, w, h], cx) => {
        const [width, height] = [w * scale, h * scale];
        const place = `x="${round(cx - width / 2)}" y="${round(200 - height / 2)}"`;
        return `<svg viewBox="${x} ${y} ${w} ${h}" ${place} width="${round(width)}" height="${round(height)}">${takbir}</svg>`;
    };
    const stars = [150, 300, 450].map((x) => star(x, 200, 40, green));
    return svg(
        bands(["#ce1126", "#ffffff", "#000000"]) +
            stars.join("") +
            word([176, 190, 176, 100], 225) + // Akbar
            word([362, 190, 106, 100], 375), // Allahu
    );
}

// Israel: blue stripes of 25 on a white field 160 high, 15 from its edges, and
// the shield of David of two triangles of bars 5.5 wide, 55 along the outside.
function israel() {
    const blue = "#0038b8";
    const unit = H / 160;
    const bar = 5.5 * unit;
    // The bar's middle line runs half a bar inside the outer edge.
    const radius = (55 * unit - bar * Math.sqrt(3)) / Math.sqrt(3);
    const triangle = (turn) => {
        const corners = [0, 1, 2].map((k) => {
            const a = turn + (k * 2 * Math.PI) / 3;
            return `${round(300 + radius * Math.cos(a))} ${round(200 + radius * Math.sin(a))}`;
        });
        return `M${corners.join("L")}Z`;
    };
    return svg(
        field("#ffffff") +
            `<rect y="${15 * unit}" width="${W}" height="${25 * unit}" fill="${blue}"/>` +
            `<rect y="${120 * unit}" width="${W}" height="${25 * unit}" fill="${blue}"/>` +
            `<path fill="none" stroke="${blue}" stroke-width="${round(bar)}"` +
            ` d="${triangle(-Math.PI / 2)}${triangle(Math.PI / 2)}"/>`,
    );
}

export const drawn = {
    KP: northKorea,
    CN: china,
    AF: afghanistan,
    IQ: iraq,
    IL: israel,
    JP: japan,
    KR: korea,
    YU: yugoslavia,
    GE: georgia,
    SY: syria,
    BA: bosnia,
    MM: myanmar,
    KG: kyrgyzstan,
};
