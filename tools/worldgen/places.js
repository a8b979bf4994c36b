// Cities and capitals as the capital screen knows them: the cell, the country
// (main region entry), the real position and the sides of the cell from which
// the hiker reaches it (N = the cell above, S below, W left, E right). Where a
// place is reached only from some sides, those neighbours must be land of its
// own country.

const SIDE_STEP = { N: [0, -1], S: [0, 1], W: [-1, 0], E: [1, 0] };

// The cells on the given sides of a cell ("NSWE" when none are given).
export function cellsBeside([x, y], sides = "NSWE") {
    return sides.split("").map(s => [x + SIDE_STEP[s][0], y + SIDE_STEP[s][1]]);
}

// Capitals by region entry; a capital not listed here is reached from every side.
export const capitalSides = {
    41: "SW", 42: "ES", 13: "NEW", 53: "ES", 96: "ES", 72: "NEW", 69: "ESW",
    77: "NEW", 70: "SW", 62: "NE", 64: "NW", 56: "SW", 80: "ES", 90: "ESW",
    89: "NE", 45: "NSW", 47: "ES", 49: "SW", 99: "ES", 101: "ES", 16: "NEW",
    20: "ES", 17: "NEW", 103: "NSW",
};

export const cities = [
    { name: "Osaka", cell: [240, 125], entry: 0, lon: 135.5, lat: 34.69, sides: "NSWE" },
    { name: "Busan", cell: [229, 130], entry: 2, lon: 129.08, lat: 35.18, sides: "NW" },
    { name: "Shanghai", cell: [217, 145], entry: 4, lon: 121.47, lat: 31.23, sides: "NSWE" },
    { name: "Hong Kong", cell: [208, 170], entry: 4, lon: 114.17, lat: 22.32, sides: "NW" },
    { name: "Xi'an", cell: [191, 141], entry: 4, lon: 108.94, lat: 34.34, sides: "NSWE" },
    { name: "Kunming", cell: [183, 170], entry: 4, lon: 102.83, lat: 24.88, sides: "NSWE" },
    { name: "Chongqing", cell: [188, 156], entry: 4, lon: 106.55, lat: 29.56, sides: "NSWE" },
    { name: "Lhasa", cell: [158, 160], entry: 4, lon: 91.13, lat: 29.65, sides: "NSWE" },
    { name: "Urumqi", cell: [149, 126], entry: 4, lon: 87.62, lat: 43.83, sides: "NSWE" },
    { name: "Calcutta", cell: [151, 177], entry: 24, lon: 88.36, lat: 22.57, sides: "NW" },
    { name: "Bombay", cell: [114, 183], entry: 24, lon: 72.88, lat: 19.08, sides: "NES" },
    { name: "Isfahan", cell: [78, 137], entry: 35, lon: 51.67, lat: 32.65, sides: "NSWE" },
    { name: "Shiraz", cell: [77, 146], entry: 35, lon: 52.54, lat: 29.59, sides: "NSWE" },
    { name: "Vladivostok", cell: [221, 106], entry: 7, lon: 131.89, lat: 43.12, sides: "NSW" },
    { name: "Khabarovsk", cell: [220, 99], entry: 7, lon: 135.07, lat: 48.48, sides: "NSWE" },
    { name: "St Petersburg", cell: [89, 60], entry: 7, lon: 30.32, lat: 59.94, sides: "NSW" },
    { name: "Irkutsk", cell: [176, 102], entry: 7, lon: 104.28, lat: 52.29, sides: "NSWE" },
    { name: "Istanbul", cell: [53, 93], entry: 50, lon: 28.98, lat: 41.01, sides: "NE" },
    { name: "Karachi", cell: [104, 167], entry: 27, lon: 67.01, lat: 24.86, sides: "NES" },
    { name: "Ho Chi Minh City", cell: [195, 203], entry: 12, lon: 106.63, lat: 10.82, sides: "NSW" },
    { name: "Mecca", cell: [46, 152], entry: 43, lon: 39.83, lat: 21.42, sides: "NSWE" },
    { name: "Samarkand", cell: [111, 130], entry: 53, lon: 66.96, lat: 39.65, sides: "NSWE" },
    { name: "Chiang Mai", cell: [175, 187], entry: 15, lon: 98.99, lat: 18.79, sides: "NSWE" },
];
