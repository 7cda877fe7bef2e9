#include "frontends/sdl/drawing.h"

#include "frontends/sdl/code_page.h"
#include "ui/field_frames.h"
#include "ui/text_layout.h"
#include "ui/window_table.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <vector>

namespace tallyrope {

namespace {

// Every text and edit control sits on the light grey of the control colours.
constexpr SDL_Color fieldGrey{192, 192, 192, 255};
constexpr SDL_Color black{0, 0, 0, 255};
constexpr SDL_Color selectionBack{0, 0, 128, 255};
constexpr SDL_Color selectionText{255, 255, 255, 255};

SDL_Rect sdlRect(const Rect& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

Uint32 mapped(SDL_Surface* target, SDL_Color colour) {
    return SDL_MapRGB(target->format, colour.r, colour.g, colour.b);
}

// Draws one line of Windows-1252 text with its top-left corner at (x, y), clipped by the
// target's clip rectangle.
void drawLine(SDL_Surface* target, TTF_Font* font, const std::string& bytes, int x, int y,
              SDL_Color colour) {
    if (bytes.empty()) {
        return;
    }
    SDL_Surface* line = TTF_RenderUTF8_Blended(font, toUtf8(bytes).c_str(), colour);
    if (line == nullptr) {
        return;
    }
    SDL_Rect place{x, y, line->w, line->h};
    SDL_BlitSurface(line, nullptr, target, &place);
    SDL_FreeSurface(line);
}

// Bitmap `id` over the table rectangle `place`: pixel for pixel at whole scales, smoothly at
// fractions.
void drawBitmap(Bitmaps& bitmaps, int id, const Rect& place, Scale scale, SDL_Surface* target) {
    SDL_Surface* bitmap = bitmaps.get(id);
    if (bitmap == nullptr) {
        return;
    }
    SDL_Rect shown = sdlRect(scale.toDevice(place));
    if (scale.whole()) {
        SDL_BlitScaled(bitmap, nullptr, target, &shown);
    } else if (SDL_Surface* smooth = bitmaps.smoothed(id, shown.w, shown.h)) {
        SDL_BlitSurface(smooth, nullptr, target, &shown);
    }
}

// Bitmap `id` at its own size with its top-left corner at table point (x, y).
void drawBitmapAt(Bitmaps& bitmaps, int id, int x, int y, Scale scale, SDL_Surface* target) {
    if (const SDL_Surface* bitmap = bitmaps.get(id)) {
        drawBitmap(bitmaps, id, {x, y, x + bitmap->w, y + bitmap->h}, scale, target);
    }
}

void drawButton(const ScreenState& screen, Bitmaps& bitmaps, Captions& captions,
                const std::string& code, const ControlState& control, Scale scale,
                SDL_Surface* target) {
    const ControlRow& row = *control.row;
    const bool pressed = screen.heldButton == row.id && screen.heldInside;
    drawBitmap(bitmaps, pressed ? row.pressedBitmap : row.bitmap, shownRect(row), scale, target);
    const Rect place = scale.toDevice(shownRect(row));
    captions.draw(row.parent, row.id, pressed, code, scale, target, {place.left, place.top});
}

void drawText(const ControlState& control, const Fonts& fonts, const Rect& box,
              SDL_Surface* target) {
    const ControlRow& row = *control.row;
    TTF_Font* font = fonts.drawn(row.font);
    const std::string shown =
        row.kind == ControlKind::TextNoPrefix ? control.text : withoutPrefixes(control.text);
    if (row.kind != ControlKind::TextCentred) {
        drawLine(target, font, shown, box.left, box.top, black);
        return;
    }
    const int width = box.right - box.left;
    const auto measure = [font](const std::string& line) { return textWidth(font, line); };
    int y = box.top;
    for (const std::string& line : wrapLines(shown, width, measure)) {
        drawLine(target, font, line, box.left + (width - measure(line)) / 2, y, black);
        y += TTF_FontLineSkip(font);
    }
}

void drawEdit(const ControlState& control, const Fonts& fonts, Scale scale, SDL_Surface* target,
              bool focused, bool caretOn) {
    const ControlRow& row = *control.row;
    const EditBox& edit = *control.edit;
    TTF_Font* font = fonts.drawn(row.font);
    const std::string& text = edit.text();
    const int x = scale.toDevice(row.x + editMargin);
    const int y = scale.toDevice(row.y + editMargin);
    const auto xAt = [&](std::size_t index) { return x + textWidth(font, text.substr(0, index)); };
    drawLine(target, font, text, x, y, black);
    if (focused && edit.hasSelection()) {
        const std::size_t start = edit.selectionStart();
        const std::size_t end = edit.selectionEnd();
        SDL_Rect band{xAt(start), y, xAt(end) - xAt(start), TTF_FontHeight(font)};
        SDL_FillRect(target, &band, mapped(target, selectionBack));
        drawLine(target, font, text.substr(start, end - start), band.x, y, selectionText);
    }
    if (focused && caretOn) {
        SDL_Rect caret{xAt(edit.caret()), y, std::max(1, scale.length(1)), TTF_FontHeight(font)};
        SDL_FillRect(target, &caret, mapped(target, black));
    }
}

} // namespace

void drawWindow(const SdlUi& ui, const Pictures& pictures, Scale scale, Window window,
                SDL_Surface* target, bool caretOn) {
    const ScreenState& screen = ui.screen();
    Bitmaps& bitmaps = pictures.bitmaps;
    SDL_SetClipRect(target, nullptr);
    drawBitmapAt(bitmaps, windowRow(window).background, 0, 0, scale, target);
    // The fields' frames sharp over a smoothly stretched picture.
    for (const FrameBand& band : fieldFrames(window, scale)) {
        SDL_Rect place = sdlRect(band.place);
        SDL_FillRect(
            target, &place,
            SDL_MapRGB(target->format, band.colour.red, band.colour.green, band.colour.blue));
    }
    pictures.captions.draw(window, 0, false, pictures.languageCode, scale, target, {0, 0});
    // The controls made first lie on top, as on Windows: the masked phrase covers the second
    // phrase line on the same rectangle.
    const std::vector<ControlRow>& table = controlTable();
    for (auto at = table.rbegin(); at != table.rend(); ++at) {
        const ControlRow& row = *at;
        const ControlState* control = screen.find(row.id);
        if (row.parent != window || !control->visible) {
            continue;
        }
        const Rect box = scale.toDevice(shownRect(row));
        SDL_Rect place = sdlRect(box);
        switch (row.kind) {
        case ControlKind::OwnerDrawnButton:
            drawButton(screen, bitmaps, pictures.captions, pictures.languageCode, *control, scale,
                       target);
            break;
        case ControlKind::BitmapStatic:
            drawBitmapAt(bitmaps, row.bitmap, row.x, row.y, scale, target);
            // A bubble's words.
            pictures.captions.draw(window, row.id, false, pictures.languageCode, scale, target,
                                   {box.left, box.top});
            break;
        case ControlKind::Edit:
            SDL_FillRect(target, &place, mapped(target, fieldGrey));
            SDL_SetClipRect(target, &place);
            drawEdit(*control, pictures.fonts, scale, target,
                     screen.focus.window == window && screen.focus.control == row.id, caretOn);
            break;
        default:
            SDL_FillRect(target, &place, mapped(target, fieldGrey));
            SDL_SetClipRect(target, &place);
            drawText(*control, pictures.fonts, box, target);
            break;
        }
        SDL_SetClipRect(target, nullptr);
    }
}

} // namespace tallyrope
