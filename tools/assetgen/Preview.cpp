#include "Preview.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include "Codecs.h"
#include "Image.h"
#include "ResourceIds.h"
#include "Strings.h"

namespace Drobix::AssetGen {

namespace {

namespace Id = ResourceId;
using Art::Rgb;
using Art::RgbImage;

struct Rect {
    int left, top, right, bottom;
};

std::map<int, RgbImage> DecodeAll(const std::vector<Asset>& assets) {
    std::map<int, RgbImage> pictures;
    for (const Asset& asset : assets) {
        std::optional<RgbImage> image;
        if (asset.type == "JPG") {
            image = Art::DecodeJpeg(asset.bytes);
        } else if (asset.type == "PNG" || asset.type == "ICON") {
            image = Art::DecodePng(asset.bytes);
        }
        if (image) {
            pictures[asset.id] = std::move(*image);
        }
    }
    return pictures;
}

std::string StringOf(const std::vector<Asset>& assets, int id) {
    for (const Asset& asset : assets) {
        if (asset.id == id && asset.type == "STRING") {
            return std::string(asset.bytes.begin(), asset.bytes.end());
        }
    }
    return {};
}

// Black, and every colour that turns into black in the display's 16-bit format.
bool IsKeyBlack(Rgb p) {
    return (p.r >> 3) == 0 && (p.g >> 2) == 0 && (p.b >> 3) == 0;
}

void Blit(RgbImage& dest, const RgbImage& source, Rect part, int x, int y, bool keyed) {
    for (int sy = part.top; sy < part.bottom; ++sy) {
        for (int sx = part.left; sx < part.right; ++sx) {
            const int dx = x + sx - part.left;
            const int dy = y + sy - part.top;
            if (dx < 0 || dy < 0 || dx >= dest.width || dy >= dest.height) {
                continue;
            }
            const Rgb p = source.At(sx, sy);
            if (keyed && IsKeyBlack(p)) {
                continue;
            }
            dest.At(dx, dy) = p;
        }
    }
}

void Stretch(RgbImage& dest, const RgbImage& source, Rect part, Rect target, bool keyed) {
    const int tw = target.right - target.left;
    const int th = target.bottom - target.top;
    for (int ty = 0; ty < th; ++ty) {
        for (int tx = 0; tx < tw; ++tx) {
            const int sx = part.left + tx * (part.right - part.left) / tw;
            const int sy = part.top + ty * (part.bottom - part.top) / th;
            const int dx = target.left + tx;
            const int dy = target.top + ty;
            if (dx < 0 || dy < 0 || dx >= dest.width || dy >= dest.height) {
                continue;
            }
            const Rgb p = source.At(sx, sy);
            if (!(keyed && IsKeyBlack(p))) {
                dest.At(dx, dy) = p;
            }
        }
    }
}

void Fill(RgbImage& dest, Rect r, Rgb colour) {
    for (int y = std::max(0, r.top); y < std::min(dest.height, r.bottom); ++y) {
        for (int x = std::max(0, r.left); x < std::min(dest.width, r.right); ++x) {
            dest.At(x, y) = colour;
        }
    }
}

constexpr Rgb kBorderGrey{66, 63, 63};

void DrawPanel(RgbImage& dest, Rect r, bool border) {
    if (border) {
        Fill(dest, {r.left - 1, r.top - 2, r.right + 1, r.top}, kBorderGrey);
        Fill(dest, {r.left - 1, r.bottom, r.right + 1, r.bottom + 2}, kBorderGrey);
        Fill(dest, {r.left - 2, r.top - 1, r.left, r.bottom + 1}, kBorderGrey);
        Fill(dest, {r.right, r.top - 1, r.right + 2, r.bottom + 1}, kBorderGrey);
    }
    Fill(dest, r, {0, 0, 0});
}

// A font read from its picture's markers, the way the game builds its fonts.
struct Font {
    const RgbImage* picture = nullptr;
    std::map<unsigned char, Rect> glyphs;
    int lineHeight = 0;
    int spacing = 0;

    Font(const RgbImage& image, const std::string& order, int spacingPixels)
        : picture(&image), spacing(spacingPixels) {
        const Rgb red{255, 0, 0};
        const Rgb green{0, 255, 0};
        auto pixel = [&](int x, int y) {
            return (x < image.width && y < image.height) ? image.At(x, y) : Rgb{1, 2, 3};
        };
        int x = 1, y = 0, start = 1, rowHeight = -1;
        Rgb glyphColour = red, rowColour = red;
        auto measure = [&] {
            int count = 0;
            while (pixel(0, y + count) == rowColour) {
                ++count;
            }
            rowHeight = count - 1;
            if (lineHeight == 0) {
                lineHeight = rowHeight;
            }
            rowColour = rowColour == red ? green : red;
        };
        for (char c : order) {
            if (rowHeight < 0 || c == '\n') {
                if (c == '\n') {
                    x = 1;
                    start = 1;
                    y += rowHeight + 1;
                }
                measure();
                if (c == '\n') {
                    continue;
                }
            }
            int p = x;
            while (pixel(p, y) == glyphColour) {
                ++p;
            }
            glyphs[static_cast<unsigned char>(c)] = {start, y + 1, p, y + 1 + rowHeight};
            x = p + 1;
            start = p;
            glyphColour = glyphColour == red ? green : red;
        }
    }

    Rect Glyph(unsigned char c) const {
        auto found = glyphs.find(c);
        return found == glyphs.end() ? Rect{0, 0, 0, 0} : found->second;
    }
    int Width(unsigned char c) const {
        const Rect r = Glyph(c);
        return r.right - r.left;
    }
    int Measure(const std::string& text) const {
        int widest = 0, current = 0;
        for (char c : text) {
            if (c == '\n') {
                widest = std::max(widest, current);
                current = 0;
            } else {
                current += Width(static_cast<unsigned char>(c)) + spacing;
            }
        }
        return std::max(widest, current);
    }
    void Draw(RgbImage& dest, const std::string& text, int x, int y) const {
        int px = x, py = y;
        for (char c : text) {
            if (c == '\n') {
                px = x;
                py += lineHeight + spacing;
                continue;
            }
            const Rect g = Glyph(static_cast<unsigned char>(c));
            Blit(dest, *picture, g, px, py, true);
            px += g.right - g.left + spacing;
        }
    }
    void DrawScaled(RgbImage& dest, const std::string& text, int x, int y, float scale) const {
        int px = x;
        for (char c : text) {
            const Rect g = Glyph(static_cast<unsigned char>(c));
            const int w = static_cast<int>(static_cast<float>(g.right - g.left) * scale);
            const int h = static_cast<int>(static_cast<float>(g.bottom - g.top) * scale);
            if (w > 0 && h > 0) {
                Stretch(dest, *picture, g, {px, y, px + w, y + h}, true);
            }
            px += w + spacing;
        }
    }
    void DrawWrapped(RgbImage& dest, const std::string& text, Rect box) const {
        int px = box.left, py = box.top, wordWidth = 0;
        size_t wordStart = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            const bool last = i + 1 == text.size();
            if (c != ' ' && c != '\n' && !last) {
                wordWidth += Width(c) + spacing;
                continue;
            }
            if (c == ' ' || (last && c != '\n')) {
                wordWidth += Width(c) + spacing;
            }
            if (wordWidth != 0) {
                if (px + wordWidth >= box.right) {
                    px = box.left;
                    py += lineHeight + spacing;
                }
                for (size_t k = wordStart; k <= i; ++k) {
                    if (text[k] == '\n') {
                        continue;
                    }
                    const Rect g = Glyph(static_cast<unsigned char>(text[k]));
                    Blit(dest, *picture, g, px, py, true);
                    px += g.right - g.left + spacing;
                }
                wordWidth = 0;
            }
            wordStart = i + 1;
            if (c == '\n') {
                px = box.left;
                py += lineHeight + spacing;
            }
        }
    }
};

struct Fonts {
    Font large, small, digits;
};

void DrawTitledPanel(RgbImage& dest, const Fonts& fonts, Rect body, const std::string& title) {
    const int h = fonts.large.lineHeight;
    const int top = body.top - h - 7;
    DrawPanel(dest, {body.left, top, body.right, body.bottom}, true);
    fonts.large.Draw(dest, title, body.left + 5, top + 5);
    Fill(dest, {body.left + 2, top + h + 5, body.right - 2, top + h + 7}, kBorderGrey);
}

// A grid of cells for the mock-ups: colour -1 is empty; cells with the same block number are
// parts of one block.
struct Grid {
    int rows, columns;
    std::vector<int> colour, block;
    Grid(int r, int c)
        : rows(r),
          columns(c),
          colour(static_cast<size_t>(r) * c, -1),
          block(static_cast<size_t>(r) * c, -1) {}
    void Set(int r, int c, int col, int blk) {
        colour[static_cast<size_t>(r) * columns + c] = col;
        block[static_cast<size_t>(r) * columns + c] = blk;
    }
    bool Filled(int r, int c) const { return colour[static_cast<size_t>(r) * columns + c] >= 0; }
    bool Same(int r1, int c1, int r2, int c2) const {
        const int b = block[static_cast<size_t>(r1) * columns + c1];
        return b >= 0 && b == block[static_cast<size_t>(r2) * columns + c2];
    }
    // Places a shape given as rows of '#' at (row, column).
    void Place(const std::vector<std::string>& shape, int row, int column, int col, int blk) {
        for (size_t r = 0; r < shape.size(); ++r) {
            for (size_t c = 0; c < shape[r].size(); ++c) {
                if (shape[r][c] == '#') {
                    Set(row + static_cast<int>(r), column + static_cast<int>(c), col, blk);
                }
            }
        }
    }
};

void DrawGrid(RgbImage& dest, const RgbImage& sheet, const Grid& grid, int x, int y) {
    for (int i = 0; i < grid.rows; ++i) {
        for (int j = 0; j < grid.columns; ++j) {
            if (!grid.Filled(i, j)) {
                continue;
            }
            const int c = 25 * grid.colour[static_cast<size_t>(i) * grid.columns + j];
            const int x0 = x + 26 * j;
            const int y0 = y + 26 * i;
            const bool l = j > 0 && grid.Filled(i, j - 1);
            const bool r = j + 1 < grid.columns && grid.Filled(i, j + 1);
            const bool u = i > 0 && grid.Filled(i - 1, j);
            const bool d = i + 1 < grid.rows && grid.Filled(i + 1, j);
            const bool jl = l && grid.Same(i, j, i, j - 1);
            const bool jr = r && grid.Same(i, j, i, j + 1);
            const bool ju = u && grid.Same(i, j, i - 1, j);
            const bool jd = d && grid.Same(i, j, i + 1, j);
            Blit(dest, sheet, {0, c, 25, c + 25}, x0, y0, false);
            if (jl) {
                Blit(dest, sheet, {2, c, 7, c + 25}, x0 - 3, y0, false);
            }
            if (ju) {
                Blit(dest, sheet, {0, c + 2, 25, c + 7}, x0, y0 - 3, false);
            }
            if (!jl && !ju) {
                Blit(dest, sheet, {26, c, 34, c + 8}, x0, y0, false);
            }
            if (!jr && !ju) {
                Blit(dest, sheet, {35, c, 43, c + 8}, x0 + 17, y0, false);
            }
            if (!jl && !jd) {
                Blit(dest, sheet, {26, c + 9, 34, c + 17}, x0, y0 + 17, false);
            }
            if (!jr && !jd) {
                Blit(dest, sheet, {35, c + 9, 43, c + 17}, x0 + 17, y0 + 17, false);
            }
            if (jl && ju && grid.Same(i, j, i - 1, j - 1)) {
                Blit(dest, sheet, {2, c + 2, 7, c + 7}, x0 - 3, y0 - 3, true);
            }
        }
    }
}

RgbImage Zoom(const RgbImage& image, int factor) {
    RgbImage out(image.width * factor, image.height * factor);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            out.At(x, y) = image.At(x / factor, y / factor);
        }
    }
    return out;
}

RgbImage Crop(const RgbImage& image, Rect r) {
    RgbImage out(r.right - r.left, r.bottom - r.top);
    Blit(out, image, r, 0, 0, false);
    return out;
}

bool Save(const RgbImage& image, const std::filesystem::path& path) {
    const std::vector<uint8_t> bytes = Art::EncodePng(image);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

const std::string kLargeOrder =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz\n0123456789!@#%&*()-+=;:'\",<.>/? ";
const std::string kSmallOrder =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!@#%&*()-+=;:'\",<.>/?"
    "\xAB\xBB\xBC\xA1\xEF ";

// A board in the middle of a game: landed blocks joined as the game joins them, a rubbish
// row, and the falling block above them.
Grid SampleBoard() {
    Grid board(20, 10);
    int blk = 0;
    for (int c = 0; c < 10; ++c) {
        if (c != 6) {
            board.Set(19, c, 14, blk++);
        }
    }
    board.Place({"##", "##"}, 17, 0, 3, blk++);
    board.Place({"###", ".#."}, 17, 2, 0, blk++);
    board.Place({"#...", "####"}, 17, 5, 10, blk++);
    board.Place({"####"}, 16, 5, 5, blk++);
    board.Place({".##", "##."}, 15, 0, 2, blk++);
    board.Place({"#", "#", "#"}, 16, 9, 4, blk++);
    board.Place({"##.", ".##"}, 15, 3, 4, blk++);
    board.Place({"..#", "###"}, 14, 6, 6, blk++);
    board.Place({"#.", "##", "#."}, 12, 0, 7, blk++);
    board.Place({"##", "#.", "#."}, 13, 2, 1, blk++);
    board.Place({"###", "#.."}, 13, 4, 8, blk++);
    board.Place({"#", "#", "#", "#"}, 10, 9, 13, blk++);
    board.Place({".#.", "###"}, 4, 4, 9, blk++);  // falling
    return board;
}

RgbImage GameMockup(const std::map<int, RgbImage>& pictures, const Fonts& fonts, int background,
                    bool prompt, bool hiddenPreview) {
    RgbImage screen = pictures.at(background);
    const RgbImage& sheet = pictures.at(Id::kBlockSpriteSheet);
    DrawGrid(screen, sheet, SampleBoard(), 270, 40);
    if (hiddenPreview) {
        Blit(screen, pictures.at(Id::kHiddenPreviewSign), {0, 0, 104, 104}, 544, 188, true);
    } else {
        Grid next(2, 4);
        next.Place({"##..", ".##."}, 0, 0, 12, 0);
        // A 3-wide, 2-high block: columns 3, rows 2.
        DrawGrid(screen, sheet, next, 544 + (2 - 3 / 2) * 26, 188 + (2 - 2 / 2) * 26);
    }
    fonts.digits.DrawScaled(screen, "150", 300, 360, 0.8f);
    fonts.large.Draw(screen, "Level", 554, 317);
    fonts.large.Draw(screen, "4", 564, 347);
    fonts.large.Draw(screen, "Score", 554, 399);
    fonts.large.Draw(screen, "1234567", 564, 429);
    fonts.large.Draw(screen, "Lines", 554, 481);
    fonts.large.Draw(screen, "47", 564, 511);
    if (prompt) {
        for (int i = 0; i < 10; ++i) {
            for (int j = 0; j < 10; ++j) {
                Blit(screen, pictures.at(Id::kCheckerOverlay), {0, 0, 80, 60}, 80 * i, 60 * j,
                     false);
            }
        }
        // The checker is keyed white: put the screen back where it is white.
        RgbImage under = pictures.at(background);
        DrawGrid(under, sheet, SampleBoard(), 270, 40);
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                if (screen.At(x, y) == Rgb{255, 255, 255}) {
                    screen.At(x, y) = under.At(x, y);
                }
            }
        }
        const std::string text = "Game over - new game? (Y)/(N)";
        const int w = fonts.large.Measure(text);
        const int h = fonts.large.lineHeight;
        const int left = 400 - w / 2 - 10;
        const int top = 300 - h / 2 - 10;
        DrawPanel(screen, {left, top, left + w + 20, top + h + 20}, true);
        fonts.large.Draw(screen, text, 400 - w / 2, 300 - h / 2);
    }
    return screen;
}

RgbImage MenuMockup(const std::map<int, RgbImage>& pictures, const Fonts& fonts,
                    const std::string& credits) {
    RgbImage screen = pictures.at(Id::kMenuBackground);
    const RgbImage& sheet = pictures.at(Id::kBlockSpriteSheet);
    Grid board(22, 30);
    board.Place({"##", "##"}, 3, 2, 3, 1);
    board.Place({"#..", "###"}, 9, 25, 10, 2);
    board.Place({"####"}, 15, 4, 5, 3);
    board.Place({".#.", "###"}, 18, 20, 0, 4);
    board.Place({"##.", ".##"}, 12, 12, 4, 5);
    DrawGrid(screen, sheet, board, 10, 14);
    DrawPanel(screen, {112, 38, 688, 198}, true);
    Grid logo(5, 21);
    const std::vector<std::string> letters = {
        "##.#", "#.#.", "#.#.", "#.#.", "##..",  // D in columns 0..2 (fourth column blank)
    };
    logo.Place({"##.", "#.#", "#.#", "#.#", "##."}, 0, 0, 6, 0);
    logo.Place({"##.", "#.#", "##.", "#.#", "#.#"}, 0, 4, 6, 0);
    logo.Place({"###", "#.#", "#.#", "#.#", "###"}, 0, 8, 6, 0);
    logo.Place({"##.", "#.#", "##.", "#.#", "##."}, 0, 12, 6, 0);
    logo.Place({"#", "#", "#", "#", "#"}, 0, 16, 6, 0);
    logo.Place({"#.#", "#.#", ".#.", "#.#", "#.#"}, 0, 18, 6, 0);
    DrawGrid(screen, sheet, logo, 127, 53);
    const std::string menu = "1) Instructions\n2) Options\n3) New Game\n\n(Esc) Exit";
    const int w = fonts.small.Measure(menu);
    const int h = 5 * fonts.small.lineHeight;
    DrawTitledPanel(screen, fonts, {305, 260, 495, 300 + h}, "Menu");
    fonts.small.Draw(screen, menu, 400 - w / 2, 280);
    DrawTitledPanel(screen, fonts, {250, 410, 550, 490}, "High Scores");
    const char* names[] = {"Zephine", "Odalynn", "Mr Wobblecrust", "Pia Thornwell", "Noob"};
    const char* scores[] = {"035000", "030000", "025000", "012500", "000100"};
    for (int i = 0; i < 5; ++i) {
        const int y = 430 + i * fonts.small.lineHeight;
        fonts.small.Draw(screen, std::to_string(i + 1) + ". " + names[i], 270, y);
        fonts.small.Draw(screen, scores[i], 530 - fonts.small.Measure(scores[i]), y);
    }
    const Rect strip{50, 550, 750, 550 + fonts.small.lineHeight + 10};
    DrawPanel(screen, strip, true);
    RgbImage line(700, fonts.small.lineHeight);
    fonts.small.Draw(line, credits, 0, 0);
    Blit(screen, line, {0, 0, 700, line.height}, 50, 555, true);
    const std::string version = "DirectX 7.0 detected";
    const int vw = fonts.small.Measure(version);
    DrawPanel(screen, {800 - vw - 2, 600 - 10 - 2, 800, 600}, false);
    fonts.small.Draw(screen, version, 800 - vw, 600 - 10);
    return screen;
}

RgbImage InstructionsMockup(const std::map<int, RgbImage>& pictures, const Fonts& fonts,
                            const std::string& help) {
    RgbImage screen = pictures.at(Id::kMenuBackground);
    DrawPanel(screen, {112, 38, 688, 198}, true);
    DrawTitledPanel(screen, fonts, {25, 260, 775, 570}, "Instructions");
    RgbImage text(710, 270);
    fonts.small.DrawWrapped(text, help, {0, 0, 710, 270});
    Blit(screen, text, {0, 0, 710, 270}, 45, 280, false);
    const std::string footer = "Press (Esc) to return to the main menu";
    const int w = fonts.small.Measure(footer);
    fonts.small.Draw(screen, footer, 400 - w / 2, 570 - 10 - 20);
    return screen;
}

// Several blocks joined as the game joins them, on a dark well, for a close look.
RgbImage BlockSamples(const RgbImage& sheet) {
    RgbImage out(26 * 22 + 8, 26 * 8 + 8, {12, 12, 18});
    Grid grid(8, 22);
    grid.Place({"##", "##"}, 0, 0, 0, 1);
    grid.Place({"####"}, 0, 3, 1, 2);
    grid.Place({".#.", "###"}, 0, 8, 2, 3);
    grid.Place({"#..", "###"}, 0, 12, 3, 4);
    grid.Place({".##", "##."}, 0, 16, 4, 5);
    grid.Place({"#"}, 0, 20, 14, 6);
    grid.Place({"#"}, 0, 21, 14, 7);
    grid.Place({"##.", ".##"}, 3, 0, 5, 8);
    grid.Place({"#", "#", "#"}, 3, 4, 6, 9);
    grid.Place({"###", "#.#"}, 3, 6, 7, 10);
    grid.Place({"###", "###"}, 3, 10, 8, 11);
    grid.Place({"#.", "##", ".#"}, 3, 14, 9, 12);
    grid.Place({"##", "##"}, 3, 17, 10, 13);
    grid.Place({"##", "##"}, 3, 19, 10, 14);
    grid.Place({"#####"}, 6, 0, 11, 15);
    grid.Place({"#.#", "###"}, 6, 6, 12, 16);
    grid.Place({"##", ".#"}, 6, 10, 13, 17);
    grid.Place({"#", "#"}, 6, 13, 13, 18);
    for (int c = 14; c < 22; ++c) {
        grid.Set(7, c, 14, 100 + c);
    }
    DrawGrid(out, sheet, grid, 4, 4);
    return out;
}

}  // namespace

bool WriteContactSheet(const std::vector<Asset>& assets, const std::string& path) {
    const std::map<int, RgbImage> pictures = DecodeAll(assets);
    RgbImage sheet(2070, 1280, {72, 72, 80});
    auto halve = [](const RgbImage& image) {
        RgbImage out(image.width / 2, image.height / 2);
        for (int y = 0; y < out.height; ++y) {
            for (int x = 0; x < out.width; ++x) {
                int r = 0, g = 0, b = 0;
                for (int k = 0; k < 4; ++k) {
                    const Rgb p = image.At(2 * x + k % 2, 2 * y + k / 2);
                    r += p.r;
                    g += p.g;
                    b += p.b;
                }
                out.At(x, y) = {static_cast<uint8_t>(r / 4), static_cast<uint8_t>(g / 4),
                                static_cast<uint8_t>(b / 4)};
            }
        }
        return out;
    };
    int x = 10;
    for (int id : {Id::kMenuBackground, Id::kGameBackgroundAurora, Id::kGameBackgroundForge,
                   Id::kGameBackgroundDeepSea, Id::kGameBackgroundNebula}) {
        if (pictures.count(id) != 0) {
            const RgbImage small = halve(pictures.at(id));
            Blit(sheet, small, {0, 0, small.width, small.height}, x, 10, false);
        }
        x += 410;
    }
    auto place = [&](int id, int factor, int px, int py) {
        if (pictures.count(id) != 0) {
            const RgbImage big = Zoom(pictures.at(id), factor);
            Blit(sheet, big, {0, 0, big.width, big.height}, px, py, false);
        }
    };
    place(Id::kBlockSpriteSheet, 2, 10, 330);
    place(Id::kLargeFontPicture, 2, 120, 330);
    place(Id::kSmallFontPicture, 3, 120, 500);
    place(Id::kDigitFontPicture, 3, 120, 550);
    place(Id::kCheckerOverlay, 2, 120, 680);
    place(Id::kBlackPixel, 16, 300, 680);
    place(Id::kGreyPixel, 16, 330, 680);
    place(Id::kHiddenPreviewSign, 2, 380, 680);
    place(Id::kWindowIcon, 4, 600, 680);
    return Save(sheet, path);
}

bool WritePreviews(const std::vector<Asset>& assets, const std::string& folder) {
    const std::map<int, RgbImage> pictures = DecodeAll(assets);
    for (int id : {Id::kMenuBackground, Id::kGameBackgroundAurora, Id::kGameBackgroundForge,
                   Id::kGameBackgroundDeepSea, Id::kGameBackgroundNebula, Id::kBlockSpriteSheet,
                   Id::kCheckerOverlay, Id::kSmallFontPicture, Id::kLargeFontPicture,
                   Id::kDigitFontPicture, Id::kHiddenPreviewSign}) {
        if (pictures.count(id) == 0) {
            return false;
        }
    }
    std::filesystem::create_directories(folder);
    const std::filesystem::path dir(folder);
    const Fonts fonts{Font(pictures.at(Id::kLargeFontPicture), kLargeOrder, 1),
                      Font(pictures.at(Id::kSmallFontPicture), kSmallOrder, 2),
                      Font(pictures.at(Id::kDigitFontPicture), "0123456789", 1)};
    bool ok = true;
    for (int id : {Id::kGameBackgroundAurora, Id::kGameBackgroundForge, Id::kGameBackgroundDeepSea,
                   Id::kGameBackgroundNebula}) {
        ok = ok && Save(GameMockup(pictures, fonts, id, false, id == Id::kGameBackgroundDeepSea),
                        dir / ("game-" + std::to_string(id) + ".png"));
    }
    ok = ok && Save(GameMockup(pictures, fonts, Id::kGameBackgroundForge, true, false),
                    dir / "game-prompt.png");
    ok = ok &&
         Save(MenuMockup(pictures, fonts, StringOf(assets, Id::kCreditsText)), dir / "menu.png");
    ok = ok && Save(InstructionsMockup(pictures, fonts, StringOf(assets, Id::kHelpText)),
                    dir / "instructions.png");
    ok = ok && Save(Zoom(BlockSamples(pictures.at(Id::kBlockSpriteSheet)), 3),
                    dir / "blocks-joined-x3.png");
    ok = ok && Save(Zoom(pictures.at(Id::kBlockSpriteSheet), 8), dir / "blocks-sheet-x8.png");
    ok = ok && Save(Zoom(pictures.at(Id::kLargeFontPicture), 3), dir / "font-large-x3.png");
    ok = ok && Save(Zoom(Crop(pictures.at(Id::kSmallFontPicture), {0, 0, 255, 11}), 6),
                    dir / "font-small-a-x6.png");
    ok = ok && Save(Zoom(Crop(pictures.at(Id::kSmallFontPicture), {255, 0, 510, 11}), 6),
                    dir / "font-small-b-x6.png");
    ok = ok && Save(Zoom(pictures.at(Id::kDigitFontPicture), 5), dir / "font-digits-x5.png");
    ok = ok && Save(Zoom(pictures.at(Id::kHiddenPreviewSign), 4), dir / "hidden-preview-x4.png");
    ok = ok && Save(Zoom(pictures.at(Id::kWindowIcon), 8), dir / "icon-x8.png");
    RgbImage texts(800, 200);
    fonts.large.Draw(texts, "Score 072 Level Lines", 10, 10);
    fonts.large.Draw(texts, "Exit game - are you sure? (Y)/(N)", 10, 60);
    fonts.small.Draw(texts, "Hello Drobix! The quick brown fox jumps over the lazy dog.", 10, 110);
    fonts.small.Draw(texts, "Keys: (\xAB) (\xBB) (\xBC) (\xA1) \xEF 2025 #%&*+=;:'\",<.>/?@", 10,
                     125);
    fonts.digits.Draw(texts, "0123456789", 10, 145);
    fonts.digits.DrawScaled(texts, "250", 300, 145, 0.6f);
    ok = ok && Save(Zoom(texts, 2), dir / "texts-x2.png");
    return ok;
}

}  // namespace Drobix::AssetGen
