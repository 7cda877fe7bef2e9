// The core's entry points as the page calls them. Any of them may write a file, so each is
// followed by a flush of the data folder to IndexedDB.
export function gameOf(module, files) {
    const flushed = (step) => (...args) => {
        const result = step(...args);
        files.flush();
        return result;
    };
    return {
        start: flushed(() => module._tr_start() !== 0),
        runCommand: flushed((id) => module._tr_runCommand(id)),
        leftButtonDown: flushed((window, x, y) => module._tr_leftButtonDown(window, x, y)),
        arrowKey: flushed((arrow) => module._tr_arrowKey(arrow)),
        letterKey: flushed((character) => module._tr_letterKey(character)),
        enterKey: flushed((window, id) => module._tr_enterKey(window, id)),
        helpKey: flushed(() => module._tr_helpKey()),
        closeRequest: flushed((window) => module._tr_closeRequest(window)),
        sessionEnds: flushed(() => module._tr_sessionEnds()),
        chooseLanguage: flushed((index) => module._tr_chooseLanguage(index)),
        // The shipped language the next start is in, by its place.
        startingLanguage: () => module._tr_startingLanguage(),
        languageCode: (index) => module.UTF8ToString(module._tr_languageCode(index)),
        languageInPlay: () => module._tr_languageInPlay(),
        // The store and working file of a shipped language, by its place.
        languageFiles: (index) => ({
            store: module.UTF8ToString(module._tr_languageFile(index, 0)),
            working: module.UTF8ToString(module._tr_languageFile(index, 1)),
        }),
        // Writes the files Export hands over outside the data folder, so nothing is flushed.
        exportFiles: () => module._tr_exportFiles() !== 0,
        // 0 refused, 1 puzzles, 2 the console's locks.
        checkImport: () => module._tr_checkImport(),
        // Import flushes after it, to learn whether the new puzzles were stored.
        replacePuzzles: () => module._tr_replacePuzzles() !== 0,
    };
}
