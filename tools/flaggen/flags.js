// The 77 flags of the capital screen, in the order of its country table, and
// how each 4:3 artwork becomes a 120 x 80 picture:
// - "crop": scaled to the full width, the overflow of the height cut equally
//   from top and bottom, so that discs, stars and crests keep their shape;
// - "stretch": squeezed to 3:2, for flags of stripes, crosses or a border,
//   where the widening cannot be seen and every stripe keeps its share;
// - "fit": scaled to the full height, held at the hoist, for Nepal's pennants,
//   which fill the artwork's height and leave its fly transparent;
// - "drawn": drawn by drawn.js, the flag as it was in 1997 (or Japan's and
//   South Korea's, to their exact proportions).
export const flags = [
    ["JP", "drawn"], ["KR", "drawn"], ["KP", "crop"], ["CN", "crop"], ["RU", "stretch"],
    ["MN", "crop"], ["VN", "crop"], ["LA", "crop"], ["KH", "crop"], ["TH", "stretch"],
    ["MY", "stretch"], ["PH", "crop"], ["SG", "crop"], ["ID", "stretch"], ["BN", "crop"],
    ["MM", "drawn"], ["BD", "crop"], ["IN", "crop"], ["LK", "stretch"], ["PK", "crop"],
    ["NP", "fit"], ["BT", "crop"], ["AF", "crop"], ["IR", "crop"], ["IQ", "stretch"],
    ["KW", "stretch"], ["YE", "stretch"], ["OM", "stretch"], ["AE", "stretch"], ["SA", "crop"],
    ["IL", "crop"], ["JO", "crop"], ["LB", "crop"], ["SY", "drawn"], ["CY", "crop"],
    ["TR", "crop"], ["TM", "crop"], ["UZ", "stretch"], ["TJ", "stretch"], ["KG", "drawn"],
    ["KZ", "crop"], ["AM", "stretch"], ["GE", "drawn"], ["AZ", "crop"], ["UA", "stretch"],
    ["BY", "crop"], ["LT", "stretch"], ["LV", "stretch"], ["EE", "stretch"], ["FI", "stretch"],
    ["SE", "stretch"], ["NO", "stretch"], ["PL", "stretch"], ["RO", "stretch"], ["BG", "stretch"],
    ["GR", "stretch"], ["YU", "drawn"], ["HU", "stretch"], ["IT", "stretch"], ["SK", "stretch"],
    ["CZ", "stretch"], ["AT", "stretch"], ["CH", "crop"], ["DE", "stretch"], ["DK", "stretch"],
    ["NL", "stretch"], ["BE", "stretch"], ["FR", "stretch"], ["ES", "crop"], ["PT", "crop"],
    ["MK", "crop"], ["AL", "crop"], ["BA", "drawn"], ["HR", "stretch"], ["SI", "stretch"],
    ["MD", "crop"], ["IE", "stretch"],
];
