#include "frontends/sdl/drawing.h"

#include "frontends/sdl/code_page.h"
#include "frontends/sdl/text_layout.h"
#include "ui/window_table.h"

#include <SDL_ttf.h>

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

void drawButton(const ScreenState& screen, Bitmaps& bitmaps, const ControlState& control,
                SDL_Surface* target) {
    const ControlRow& row = *control.row;
    const bool pressed = screen.heldButton == row.id && screen.heldInside;
    SDL_Surface* face = bitmaps.get(pressed ? row.pressedBitmap : row.bitmap);
    SDL_Rect place = sdlRect(shownRect(row));
    if (face != nullptr) {
        SDL_BlitScaled(face, nullptr, target, &place);
    }
}

void drawText(const ControlState& control, const Fonts& fonts, SDL_Surface* target) {
    const ControlRow& row = *control.row;
    TTF_Font* font = fonts.font(row.font);
    const std::string shown =
        row.kind == ControlKind::TextNoPrefix ? control.text : withoutPrefixes(control.text);
    if (row.kind != ControlKind::TextCentred) {
        drawLine(target, font, shown, row.x, row.y, black);
        return;
    }
    const auto measure = [font](const std::string& line) { return textWidth(font, line); };
    int y = row.y;
    for (const std::string& line : wrapLines(shown, row.width, measure)) {
        drawLine(target, font, line, row.x + (row.width - measure(line)) / 2, y, black);
        y += TTF_FontLineSkip(font);
    }
}

void drawEdit(const ControlState& control, const Fonts& fonts, SDL_Surface* target, bool focused,
              bool caretOn) {
    const ControlRow& row = *control.row;
    const EditBox& edit = *control.edit;
    TTF_Font* font = fonts.font(row.font);
    const std::string& text = edit.text();
    const int x = row.x + editMargin;
    const int y = row.y + editMargin;
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
        SDL_Rect caret{xAt(edit.caret()), y, 1, TTF_FontHeight(font)};
        SDL_FillRect(target, &caret, mapped(target, black));
    }
}

} // namespace

void drawWindow(const SdlUi& ui, Bitmaps& bitmaps, const Fonts& fonts, Window window,
                SDL_Surface* target, bool caretOn) {
    const ScreenState& screen = ui.screen();
    SDL_SetClipRect(target, nullptr);
    if (SDL_Surface* background = bitmaps.get(windowRow(window).background)) {
        SDL_BlitSurface(background, nullptr, target, nullptr);
    }
    // The controls made first lie on top, as on Windows: the masked phrase covers the second
    // phrase line on the same rectangle.
    const std::vector<ControlRow>& table = controlTable();
    for (auto at = table.rbegin(); at != table.rend(); ++at) {
        const ControlRow& row = *at;
        const ControlState* control = screen.find(row.id);
        if (row.parent != window || !control->visible) {
            continue;
        }
        SDL_Rect place = sdlRect(shownRect(row));
        switch (row.kind) {
        case ControlKind::OwnerDrawnButton:
            drawButton(screen, bitmaps, *control, target);
            break;
        case ControlKind::BitmapStatic:
            if (SDL_Surface* bitmap = bitmaps.get(row.bitmap)) {
                SDL_BlitSurface(bitmap, nullptr, target, &place);
            }
            break;
        case ControlKind::Edit:
            SDL_FillRect(target, &place, mapped(target, fieldGrey));
            SDL_SetClipRect(target, &place);
            drawEdit(*control, fonts, target,
                     screen.focus.window == window && screen.focus.control == row.id, caretOn);
            break;
        default:
            SDL_FillRect(target, &place, mapped(target, fieldGrey));
            SDL_SetClipRect(target, &place);
            drawText(*control, fonts, target);
            break;
        }
        SDL_SetClipRect(target, nullptr);
    }
}

} // namespace tallyrope
