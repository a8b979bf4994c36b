// The 77 flags of the capital screen, in the order of its country table, and
// how each 4:3 artwork becomes a 120 x 80 picture (see README, "Fitting"):
// - "stretch": squeezed to 3:2, for flags of stripes, crosses or a border,
//   where the widening cannot be seen and every stripe keeps its share;
// - "crop": scaled to the full width, the overflow of the height cut equally
//   from top and bottom, for an emblem on a plain field or on vertical bands,
//   where only field is cut;
// - "centre" and "hoist": scaled to the full height, centred or held at the
//   hoist, its horizontal bands and fly carried on to the edges, for bands
//   with an emblem, which keep both their shares and the emblem's shape;
// - "fit": scaled to the full height, held at the hoist, for Nepal's pennants,
//   which fill the artwork's height and leave its fly transparent;
// - "drawn": drawn by drawn.js, the flag as it was in 1997, or one whose
//   proportions the artwork does not keep.
// A third entry changes the artwork's colours where they are not the flag's.
export const flags = [
    ["JP", "drawn"], ["KR", "drawn"], ["KP", "drawn"], ["CN", "drawn"], ["RU", "stretch"],
    ["MN", "crop"], ["VN", "crop"], ["LA", "centre"], ["KH", "centre"], ["TH", "stretch"],
    ["MY", "hoist"], ["PH", "hoist"], ["SG", "centre"], ["ID", "stretch"], ["BN", "crop"],
    ["MM", "drawn"], ["BD", "crop"], ["IN", "centre"], ["LK", "stretch"], ["PK", "crop"],
    ["NP", "fit"], ["BT", "crop"], ["AF", "drawn"], ["IR", "centre"], ["IQ", "drawn"],
    ["KW", "stretch", { "#00d941": "#007a3d" }], ["YE", "stretch"], ["OM", "hoist"], ["AE", "stretch"], ["SA", "crop"],
    ["IL", "drawn"], ["JO", "hoist", { "#090": "#007a3d" }], ["LB", "centre"], ["SY", "drawn"], ["CY", "crop"],
    ["TR", "crop"], ["TM", "hoist"], ["UZ", "hoist"], ["TJ", "centre"], ["KG", "drawn"],
    ["KZ", "hoist"], ["AM", "stretch"], ["GE", "drawn"], ["AZ", "centre"], ["UA", "stretch"],
    ["BY", "hoist"], ["LT", "stretch"], ["LV", "stretch"], ["EE", "stretch"], ["FI", "stretch"],
    ["SE", "stretch"], ["NO", "stretch"], ["PL", "stretch"], ["RO", "stretch"], ["BG", "stretch"],
    ["GR", "hoist"], ["YU", "drawn"], ["HU", "stretch"], ["IT", "stretch"], ["SK", "centre"],
    ["CZ", "stretch"], ["AT", "stretch"], ["CH", "crop"], ["DE", "stretch"], ["DK", "stretch"],
    ["NL", "stretch"], ["BE", "stretch"], ["FR", "stretch"], ["ES", "centre"], ["PT", "crop"],
    ["MK", "crop"], ["AL", "crop"], ["BA", "drawn"], ["HR", "centre"], ["SI", "centre"],
    ["MD", "crop"], ["IE", "stretch"],
];
