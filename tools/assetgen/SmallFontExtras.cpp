// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fonts.h"

namespace Drobix::AssetGen::Art {

// Letters that are a base letter with a mark, as Unicode decomposes them: the small font draws
// them from its own base letter and a mark of its own, so they keep its look.
const std::vector<ComposedLetter>& SmallFontComposedLetters() {
    static const std::vector<ComposedLetter> letters = {
        {U'\u00C0', 'A', U'\u0300'},       {U'\u00C1', 'A', U'\u0301'},
        {U'\u00C2', 'A', U'\u0302'},       {U'\u00C3', 'A', U'\u0303'},
        {U'\u00C4', 'A', U'\u0308'},       {U'\u00C5', 'A', U'\u030A'},
        {U'\u00C7', 'C', U'\u0327'},       {U'\u00C8', 'E', U'\u0300'},
        {U'\u00C9', 'E', U'\u0301'},       {U'\u00CA', 'E', U'\u0302'},
        {U'\u00CB', 'E', U'\u0308'},       {U'\u00CC', 'I', U'\u0300'},
        {U'\u00CD', 'I', U'\u0301'},       {U'\u00CE', 'I', U'\u0302'},
        {U'\u00CF', 'I', U'\u0308'},       {U'\u00D1', 'N', U'\u0303'},
        {U'\u00D2', 'O', U'\u0300'},       {U'\u00D3', 'O', U'\u0301'},
        {U'\u00D4', 'O', U'\u0302'},       {U'\u00D5', 'O', U'\u0303'},
        {U'\u00D6', 'O', U'\u0308'},       {U'\u00D9', 'U', U'\u0300'},
        {U'\u00DA', 'U', U'\u0301'},       {U'\u00DB', 'U', U'\u0302'},
        {U'\u00DC', 'U', U'\u0308'},       {U'\u00DD', 'Y', U'\u0301'},
        {U'\u00E0', 'a', U'\u0300'},       {U'\u00E1', 'a', U'\u0301'},
        {U'\u00E2', 'a', U'\u0302'},       {U'\u00E3', 'a', U'\u0303'},
        {U'\u00E4', 'a', U'\u0308'},       {U'\u00E5', 'a', U'\u030A'},
        {U'\u00E7', 'c', U'\u0327'},       {U'\u00E8', 'e', U'\u0300'},
        {U'\u00E9', 'e', U'\u0301'},       {U'\u00EA', 'e', U'\u0302'},
        {U'\u00EB', 'e', U'\u0308'},       {U'\u00EC', 'i', U'\u0300'},
        {U'\u00ED', 'i', U'\u0301'},       {U'\u00EE', 'i', U'\u0302'},
        {U'\u00EF', 'i', U'\u0308'},       {U'\u00F1', 'n', U'\u0303'},
        {U'\u00F2', 'o', U'\u0300'},       {U'\u00F3', 'o', U'\u0301'},
        {U'\u00F4', 'o', U'\u0302'},       {U'\u00F5', 'o', U'\u0303'},
        {U'\u00F6', 'o', U'\u0308'},       {U'\u00F9', 'u', U'\u0300'},
        {U'\u00FA', 'u', U'\u0301'},       {U'\u00FB', 'u', U'\u0302'},
        {U'\u00FC', 'u', U'\u0308'},       {U'\u00FD', 'y', U'\u0301'},
        {U'\u00FF', 'y', U'\u0308'},       {U'\u0100', 'A', U'\u0304'},
        {U'\u0101', 'a', U'\u0304'},       {U'\u0102', 'A', U'\u0306'},
        {U'\u0103', 'a', U'\u0306'},       {U'\u0104', 'A', U'\u0328'},
        {U'\u0105', 'a', U'\u0328'},       {U'\u0106', 'C', U'\u0301'},
        {U'\u0107', 'c', U'\u0301'},       {U'\u0108', 'C', U'\u0302'},
        {U'\u0109', 'c', U'\u0302'},       {U'\u010A', 'C', U'\u0307'},
        {U'\u010B', 'c', U'\u0307'},       {U'\u010C', 'C', U'\u030C'},
        {U'\u010D', 'c', U'\u030C'},       {U'\u010E', 'D', U'\u030C'},
        {U'\u010F', 'd', U'\u030C'},       {U'\u0112', 'E', U'\u0304'},
        {U'\u0113', 'e', U'\u0304'},       {U'\u0114', 'E', U'\u0306'},
        {U'\u0115', 'e', U'\u0306'},       {U'\u0116', 'E', U'\u0307'},
        {U'\u0117', 'e', U'\u0307'},       {U'\u0118', 'E', U'\u0328'},
        {U'\u0119', 'e', U'\u0328'},       {U'\u011A', 'E', U'\u030C'},
        {U'\u011B', 'e', U'\u030C'},       {U'\u011C', 'G', U'\u0302'},
        {U'\u011D', 'g', U'\u0302'},       {U'\u011E', 'G', U'\u0306'},
        {U'\u011F', 'g', U'\u0306'},       {U'\u0120', 'G', U'\u0307'},
        {U'\u0121', 'g', U'\u0307'},       {U'\u0122', 'G', U'\u0327'},
        {U'\u0123', 'g', U'\u0327'},       {U'\u0124', 'H', U'\u0302'},
        {U'\u0125', 'h', U'\u0302'},       {U'\u0128', 'I', U'\u0303'},
        {U'\u0129', 'i', U'\u0303'},       {U'\u012A', 'I', U'\u0304'},
        {U'\u012B', 'i', U'\u0304'},       {U'\u012C', 'I', U'\u0306'},
        {U'\u012D', 'i', U'\u0306'},       {U'\u012E', 'I', U'\u0328'},
        {U'\u012F', 'i', U'\u0328'},       {U'\u0130', 'I', U'\u0307'},
        {U'\u0134', 'J', U'\u0302'},       {U'\u0135', 'j', U'\u0302'},
        {U'\u0136', 'K', U'\u0327'},       {U'\u0137', 'k', U'\u0327'},
        {U'\u0139', 'L', U'\u0301'},       {U'\u013A', 'l', U'\u0301'},
        {U'\u013B', 'L', U'\u0327'},       {U'\u013C', 'l', U'\u0327'},
        {U'\u013D', 'L', U'\u030C'},       {U'\u013E', 'l', U'\u030C'},
        {U'\u0143', 'N', U'\u0301'},       {U'\u0144', 'n', U'\u0301'},
        {U'\u0145', 'N', U'\u0327'},       {U'\u0146', 'n', U'\u0327'},
        {U'\u0147', 'N', U'\u030C'},       {U'\u0148', 'n', U'\u030C'},
        {U'\u014C', 'O', U'\u0304'},       {U'\u014D', 'o', U'\u0304'},
        {U'\u014E', 'O', U'\u0306'},       {U'\u014F', 'o', U'\u0306'},
        {U'\u0150', 'O', U'\u030B'},       {U'\u0151', 'o', U'\u030B'},
        {U'\u0154', 'R', U'\u0301'},       {U'\u0155', 'r', U'\u0301'},
        {U'\u0156', 'R', U'\u0327'},       {U'\u0157', 'r', U'\u0327'},
        {U'\u0158', 'R', U'\u030C'},       {U'\u0159', 'r', U'\u030C'},
        {U'\u015A', 'S', U'\u0301'},       {U'\u015B', 's', U'\u0301'},
        {U'\u015C', 'S', U'\u0302'},       {U'\u015D', 's', U'\u0302'},
        {U'\u015E', 'S', U'\u0327'},       {U'\u015F', 's', U'\u0327'},
        {U'\u0160', 'S', U'\u030C'},       {U'\u0161', 's', U'\u030C'},
        {U'\u0162', 'T', U'\u0327'},       {U'\u0163', 't', U'\u0327'},
        {U'\u0164', 'T', U'\u030C'},       {U'\u0165', 't', U'\u030C'},
        {U'\u0168', 'U', U'\u0303'},       {U'\u0169', 'u', U'\u0303'},
        {U'\u016A', 'U', U'\u0304'},       {U'\u016B', 'u', U'\u0304'},
        {U'\u016C', 'U', U'\u0306'},       {U'\u016D', 'u', U'\u0306'},
        {U'\u016E', 'U', U'\u030A'},       {U'\u016F', 'u', U'\u030A'},
        {U'\u0170', 'U', U'\u030B'},       {U'\u0171', 'u', U'\u030B'},
        {U'\u0172', 'U', U'\u0328'},       {U'\u0173', 'u', U'\u0328'},
        {U'\u0174', 'W', U'\u0302'},       {U'\u0175', 'w', U'\u0302'},
        {U'\u0176', 'Y', U'\u0302'},       {U'\u0177', 'y', U'\u0302'},
        {U'\u0178', 'Y', U'\u0308'},       {U'\u0179', 'Z', U'\u0301'},
        {U'\u017A', 'z', U'\u0301'},       {U'\u017B', 'Z', U'\u0307'},
        {U'\u017C', 'z', U'\u0307'},       {U'\u017D', 'Z', U'\u030C'},
        {U'\u017E', 'z', U'\u030C'},       {U'\u0385', U'\u00A8', U'\u0301'},
        {U'\u0386', U'\u0391', U'\u0301'}, {U'\u0388', U'\u0395', U'\u0301'},
        {U'\u0389', U'\u0397', U'\u0301'}, {U'\u038A', U'\u0399', U'\u0301'},
        {U'\u038C', U'\u039F', U'\u0301'}, {U'\u038E', U'\u03A5', U'\u0301'},
        {U'\u038F', U'\u03A9', U'\u0301'}, {U'\u03AA', U'\u0399', U'\u0308'},
        {U'\u03AB', U'\u03A5', U'\u0308'}, {U'\u03AC', U'\u03B1', U'\u0301'},
        {U'\u03AD', U'\u03B5', U'\u0301'}, {U'\u03AE', U'\u03B7', U'\u0301'},
        {U'\u03AF', U'\u03B9', U'\u0301'}, {U'\u03CA', U'\u03B9', U'\u0308'},
        {U'\u03CB', U'\u03C5', U'\u0308'}, {U'\u03CC', U'\u03BF', U'\u0301'},
        {U'\u03CD', U'\u03C5', U'\u0301'}, {U'\u03CE', U'\u03C9', U'\u0301'},
        {U'\u0400', U'\u0415', U'\u0300'}, {U'\u0401', U'\u0415', U'\u0308'},
        {U'\u0403', U'\u0413', U'\u0301'}, {U'\u0407', U'\u0406', U'\u0308'},
        {U'\u040C', U'\u041A', U'\u0301'}, {U'\u040D', U'\u0418', U'\u0300'},
        {U'\u040E', U'\u0423', U'\u0306'}, {U'\u0419', U'\u0418', U'\u0306'},
        {U'\u0439', U'\u0438', U'\u0306'}, {U'\u0450', U'\u0435', U'\u0300'},
        {U'\u0451', U'\u0435', U'\u0308'}, {U'\u0453', U'\u0433', U'\u0301'},
        {U'\u0457', U'\u0456', U'\u0308'}, {U'\u045C', U'\u043A', U'\u0301'},
        {U'\u045D', U'\u0438', U'\u0300'}, {U'\u045E', U'\u0443', U'\u0306'},
    };
    return letters;
}

// Greek and Cyrillic letters that look like a Latin one: drawn as the small font draws that.
const std::vector<Lookalike>& SmallFontLookalikes() {
    static const std::vector<Lookalike> letters = {
        {U'\u0391', 'A'}, {U'\u0392', 'B'}, {U'\u0395', 'E'}, {U'\u0396', 'Z'}, {U'\u0397', 'H'},
        {U'\u0399', 'I'}, {U'\u039A', 'K'}, {U'\u039C', 'M'}, {U'\u039D', 'N'}, {U'\u039F', 'O'},
        {U'\u03A1', 'P'}, {U'\u03A4', 'T'}, {U'\u03A5', 'Y'}, {U'\u03A7', 'X'}, {U'\u03BF', 'o'},
        {U'\u03BD', 'v'}, {U'\u0405', 'S'}, {U'\u0406', 'I'}, {U'\u0408', 'J'}, {U'\u0410', 'A'},
        {U'\u0412', 'B'}, {U'\u0415', 'E'}, {U'\u041A', 'K'}, {U'\u041C', 'M'}, {U'\u041D', 'H'},
        {U'\u041E', 'O'}, {U'\u0420', 'P'}, {U'\u0421', 'C'}, {U'\u0422', 'T'}, {U'\u0425', 'X'},
        {U'\u0430', 'a'}, {U'\u0435', 'e'}, {U'\u043E', 'o'}, {U'\u0440', 'p'}, {U'\u0441', 'c'},
        {U'\u0443', 'y'}, {U'\u0445', 'x'}, {U'\u0455', 's'}, {U'\u0456', 'i'}, {U'\u0458', 'j'},
    };
    return letters;
}

// Marks above (rows 0 and 1) and below (rows 8 and 9) the letters.
const std::vector<MarkArt>& SmallFontMarks() {
    static const std::vector<MarkArt> marks = {
        {U'\u0300', false, "#.|.#"},      // grave
        {U'\u0301', false, ".#|#."},      // acute
        {U'\u0302', false, ".#.|#.#"},    // circumflex
        {U'\u0303', false, ".#.#|#.#."},  // tilde
        {U'\u0304', false, "###|..."},    // macron
        {U'\u0306', false, "#..#|.##."},  // breve
        {U'\u0307', false, ".|#"},        // dot above
        {U'\u0308', false, "...|#.#"},    // diaeresis
        {U'\u030A', false, "##|##"},      // ring above
        {U'\u030B', false, ".#.#|#.#."},  // double acute
        {U'\u030C', false, "#.#|.#."},    // caron
        {U'\u0327', true, ".#|#."},       // cedilla
        {U'\u0328', true, "#.|.#"},       // ogonek
    };
    return marks;
}

// Characters drawn by hand in the font's manner, where neither a mark nor the face at this size
// gives a clear glyph: Polish's barred l, German's sharp s, Spanish's inverted marks, the
// quotation marks, dashes and ellipsis, and the replacement character.
const std::vector<ExtraPixelGlyph>& SmallFontDrawnExtras() {
    static const std::vector<ExtraPixelGlyph> glyphs = {
        {U'\u00A0', 4, 0, ""},
        {U'\u00A1', 2, 3, "#|.|#|#|#|#|#"},
        {U'\u00AB', 6, 3, "..#.#|.#.#.|#.#..|.#.#.|..#.#"},
        {U'\u00B0', 4, 1, ".#.|#.#|.#."},
        {U'\u00B7', 2, 4, "#"},
        {U'\u00BB', 6, 3, "#.#..|.#.#.|..#.#|.#.#.|#.#.."},
        {U'\u00BF', 6, 3, "..#..|.....|..#..|.#...|#....|#...#|.###."},
        {U'\u00D7', 4, 3, "#.#|.#.|#.#"},
        {U'\u00DF', 6, 1, ".##..|#..#.|#..#.|#.#..|#..#.|#...#|#.##."},
        {U'\u0131', 4, 3, "##.|.#.|.#.|.#.|###"},
        {U'\u0141', 6, 1, "#....|#....|#.#..|##...|#....|#....|#####"},
        {U'\u0142', 5, 1, "##..|.#..|.##.|##..|.#..|.#..|.###"},
        {U'\u2013', 7, 4, "######"},
        {U'\u2014', 10, 4, "#########"},
        {U'\u2018', 3, 1, ".#|#.|##"},
        {U'\u2019', 3, 1, "##|.#|#."},
        {U'\u201A', 3, 7, "##|.#|#."},
        {U'\u201C', 6, 1, ".#..#|#..#.|##.##"},
        {U'\u201D', 6, 1, "##.##|.#..#|#..#."},
        {U'\u201E', 6, 7, "##.##|.#..#|#..#."},
        {U'\u2026', 6, 7, "#.#.#"},
        {U'\u2039', 4, 3, "..#|.#.|#..|.#.|..#"},
        {U'\u203A', 4, 3, "#..|.#.|..#|.#.|#.."},
        {U'\uFFFD', 8, 1, "#######|#.....#|####..#|###..##|###.###|#######|###.###|#######"},
    };
    return glyphs;
}

}  // namespace Drobix::AssetGen::Art
