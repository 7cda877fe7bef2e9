// The page's side of page_calls.h: each call goes to the page object given to the module as
// `page`, with texts as the Windows-1252 bytes the core keeps.
mergeInto(LibraryManager.library, {
    tr_page_makeWindow: function (window, background, width, height, left, top) {
        Module.page.makeWindow(window, background, width, height, left, top);
    },
    tr_page_makeControl: function (id, kind, window, x, y, width, height, visible, bitmap,
        pressedBitmap, font, text, textLength, textLimit) {
        Module.page.makeControl({
            id: id, kind: kind, window: window, x: x, y: y, width: width, height: height,
            visible: visible !== 0, bitmap: bitmap, pressedBitmap: pressedBitmap, font: font,
            text: HEAPU8.slice(text, text + textLength), textLimit: textLimit,
        });
    },
    tr_page_nameControl: function (id, name, nameLength) {
        Module.page.nameControl(id, HEAPU8.slice(name, name + nameLength));
    },
    tr_page_caption: function (index, fields, text, textLength, lead, leadLength) {
        Module.page.caption(
            index,
            HEAP32.slice(fields >> 2, (fields >> 2) + 17),
            HEAPU8.slice(text, text + textLength),
            HEAPU8.slice(lead, lead + leadLength),
        );
    },
    tr_page_setText: function (id, text, length) {
        Module.page.setText(id, HEAPU8.slice(text, text + length));
    },
    tr_page_textLength: function (id) {
        return Module.page.readText(id).length;
    },
    tr_page_copyText: function (id, buffer) {
        HEAPU8.set(Module.page.readText(id), buffer);
    },
    tr_page_emptyEdit: function (id) {
        Module.page.emptyEdit(id);
    },
    tr_page_showControl: function (id, visible) {
        Module.page.showControl(id, visible !== 0);
    },
    tr_page_showWindow: function (window, visible) {
        Module.page.showWindow(window, visible !== 0);
    },
    tr_page_placeWindow: function (window, left, top) {
        Module.page.placeWindow(window, left, top);
    },
    tr_page_giveFocus: function (window) {
        Module.page.giveFocus(window);
    },
    tr_page_beep: function () {
        Module.page.beep();
    },
    tr_page_playSound: function (waveId) {
        Module.page.playSound(waveId);
    },
    tr_page_minimize: function () {
        Module.page.minimize();
    },
    tr_page_openHelp: function (url) {
        return Module.page.openHelp(UTF8ToString(url)) ? 1 : 0;
    },
    tr_page_messageBox: function (text, textLength, caption, captionLength) {
        Module.page.messageBox(HEAPU8.slice(text, text + textLength),
            HEAPU8.slice(caption, caption + captionLength));
    },
    tr_page_endRun: function () {
        Module.page.endRun();
    },
    tr_page_announce: function (text, length, ended) {
        Module.page.announce(HEAPU8.slice(text, text + length), ended !== 0);
    },
    tr_page_soundSwitch: function (on, name, nameLength) {
        Module.page.soundSwitch(on !== 0, HEAPU8.slice(name, name + nameLength));
    },
    tr_page_playerChosen: function (player) {
        Module.page.playerChosen(player);
    },
    tr_page_roundState: function (missesLeft) {
        Module.page.roundState(missesLeft);
    },
    tr_page_systemLanguages__deps: ["$stringToNewUTF8"],
    tr_page_systemLanguages: function () {
        return stringToNewUTF8(Module.page.systemLanguages());
    },
    tr_page_addLanguage: function (index, code, name, nameLength) {
        Module.page.addLanguage(index, UTF8ToString(code), HEAPU8.slice(name, name + nameLength));
    },
    tr_page_languageInPlay: function (index, tiles, tilesLength) {
        Module.page.languageInPlay(index, HEAPU8.slice(tiles, tiles + tilesLength));
    },
    tr_page_offerLanguages: function (current) {
        Module.page.offerLanguages(current);
    },
});
