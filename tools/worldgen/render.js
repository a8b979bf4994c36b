// Pictures of the grid for maintainers, from the text that `worlddump` prints
// (256 lines, line y holding the codes of cells (0,y) .. (255,y)):
//   node render.js grid.txt map.png              one pixel per cell
//   node render.js grid.txt map.png Map25.BMP    the tile art, 16 pixels per cell
import { readFileSync, writeFileSync } from "node:fs";
import { encodePng } from "./png.js";
import { regions } from "./regions.js";

const [gridFile, pngFile, sheetFile] = process.argv.slice(2);
if (!gridFile || !pngFile) {
    console.error("usage: node render.js GRID.txt OUT.png [Map25.BMP]");
    process.exit(2);
}
const rows = readFileSync(gridFile, "utf8").trim().split("\n").map(l => l.trim().split(" ").map(Number));
if (rows.length !== 256 || rows.some(r => r.length !== 256)) {
    console.error(`${gridFile}: expected 256 lines of 256 codes`);
    process.exit(1);
}

// Water blue, capitals red, cities yellow; every country a colour of its own
// and its mountain areas a darker, browner shade of it.
const countryOf = new Map(regions.map(r => [r.code, regions[r.mountainsOf ?? r.entry].code]));
const mountainCodes = new Set(regions.filter(r => r.mountainsOf !== undefined).map(r => r.code));

function colour(code) {
    if (code === 2) return [40, 70, 160];
    if (code === 4) return [230, 0, 0];
    if (code === 34) return [255, 230, 0];
    const h = ((countryOf.get(code) ?? code) * 0.61803398875) % 1;
    const f = t => Math.min(1, Math.max(0, Math.abs(((h * 6 + t) % 6) - 3) - 1));
    const rgb = [f(0), f(4), f(2)].map(v => 90 + 150 * v);
    return mountainCodes.has(code) ? rgb.map((v, k) => Math.round(0.5 * v + [70, 50, 30][k])) : rgb.map(Math.round);
}

// Reads an uncompressed 8-, 24- or 32-bit BMP into a pixel function.
function readBmp(file) {
    const b = readFileSync(file);
    const offset = b.readUInt32LE(10), width = b.readInt32LE(18), height = b.readInt32LE(22);
    const bits = b.readUInt16LE(28), stride = Math.ceil((width * bits) / 32) * 4;
    const headerSize = b.readUInt32LE(14);
    return (x, y) => {
        const row = height > 0 ? height - 1 - y : y;
        const p = offset + row * stride;
        if (bits === 8) {
            const q = 14 + headerSize + b[p + x] * 4;
            return [b[q + 2], b[q + 1], b[q]];
        }
        const q = p + x * (bits / 8);
        return [b[q + 2], b[q + 1], b[q]];
    };
}

const scale = sheetFile ? 16 : 1;
const size = 256 * scale;
const rgb = Buffer.alloc(size * size * 3);
const sheet = sheetFile ? readBmp(sheetFile) : null;
for (let y = 0; y < size; ++y) {
    for (let x = 0; x < size; ++x) {
        const code = rows[Math.floor(y / scale)][Math.floor(x / scale)];
        const c = sheet ? sheet(16 * (code % 16) + (x % 16), 16 * Math.floor(code / 16) + (y % 16)) : colour(code);
        rgb.set(c, (y * size + x) * 3);
    }
}
writeFileSync(pngFile, encodePng(size, size, rgb));
