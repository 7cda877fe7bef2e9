#include "frontends/sdl/edit_keys.h"

#include "frontends/sdl/code_page.h"

namespace tallyrope {

namespace {

EditResult refusedUnless(bool accepted) {
    return accepted ? EditResult::Handled : EditResult::Refused;
}

void copySelection(const EditBox& box) {
    if (box.hasSelection()) {
        SDL_SetClipboardText(toUtf8(box.selectedText()).c_str());
    }
}

EditResult pasteClipboard(EditBox& box) {
    char* clipboard = SDL_GetClipboardText();
    std::string bytes;
    const bool converted = clipboard != nullptr && toWindows1252(clipboard, bytes);
    SDL_free(clipboard);
    return refusedUnless(converted && box.paste(bytes));
}

EditResult controlKey(EditBox& box, SDL_Keycode key) {
    switch (key) {
    case SDLK_a:
        box.selectAll();
        return EditResult::Handled;
    case SDLK_c:
        copySelection(box);
        return EditResult::Handled;
    case SDLK_x:
        copySelection(box);
        box.deleteSelection();
        return EditResult::Handled;
    case SDLK_v:
        return pasteClipboard(box);
    default:
        return EditResult::Unhandled;
    }
}

} // namespace

EditResult editKey(EditBox& box, SDL_Keycode key, Uint16 mod) {
    const bool shift = (mod & KMOD_SHIFT) != 0;
    if ((mod & KMOD_CTRL) != 0) {
        return controlKey(box, key);
    }
    switch (key) {
    case SDLK_BACKSPACE:
        box.backspace();
        return EditResult::Handled;
    case SDLK_DELETE:
        box.deleteForward();
        return EditResult::Handled;
    case SDLK_LEFT:
        box.left(shift);
        return EditResult::Handled;
    case SDLK_RIGHT:
        box.right(shift);
        return EditResult::Handled;
    case SDLK_HOME:
        box.home(shift);
        return EditResult::Handled;
    case SDLK_END:
        box.end(shift);
        return EditResult::Handled;
    default:
        return EditResult::Unhandled;
    }
}

EditResult typeText(EditBox& box, const char* utf8) {
    std::string bytes;
    return refusedUnless(toWindows1252(utf8, bytes) && box.type(bytes));
}

} // namespace tallyrope
