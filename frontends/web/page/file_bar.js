// Export and Import, below the game: the same OnLoad.dat (or the store of the language in
// play, OnLoad-de.dat) and TRStats.dat the desktop programs keep, carried between the browser
// and the other systems, and a TRC_CONFIG.INI brought in. Export is offered too where the
// browser will not store the files.
import { confirm, showMessage } from "./dialogs.js";
import { refusedStorage } from "./files.js";
import { englishText, translated } from "./texts.js";

// Where the core looks for a file being imported.
const importFolder = "/import";
const importFile = `${importFolder}/puzzles`;
// Where the core writes the files Export hands over.
const exportFolder = "/export";

function download(name, bytes) {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

const notImported = () =>
    `${translated(refusedStorage)} ${translated("The imported file was not taken; nothing was changed.")}`;
const notExported = englishText("Your puzzles and scores could not be exported.");

// Hands over the store of the language in play and TRStats.dat as a quit would leave them,
// while the round goes on.
function exportFiles(game, module) {
    if (!game.exportFiles()) {
        showMessage(translated(notExported), "Tallyrope");
        return;
    }
    const store = game.languageFiles(game.languageInPlay()).store;
    for (const name of [store, "TRStats.dat"]) {
        download(name, module.FS.readFile(`${exportFolder}/${name}`));
    }
}

const imported = { puzzles: 1, consoleLocks: 2 };
const configurationFile = "TRC_CONFIG.INI";

// Puzzles replace the store; a TRC_CONFIG.INI, the only way to reach the console's locks
// here, is kept as it is. Either way the game saves as a quit does and starts afresh.
async function importChosen(game, files, module, file) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    if (!module.FS.analyzePath(importFolder).exists) {
        module.FS.mkdir(importFolder);
    }
    module.FS.writeFile(importFile, bytes);
    const kind = game.checkImport();
    let replace;
    if (kind === imported.puzzles && (await confirm("confirm-box", "replace"))) {
        replace = () => game.replacePuzzles();
    } else if (kind === imported.consoleLocks && (await confirm("locks-box", "replace"))) {
        replace = () => {
            files.write(configurationFile, bytes);
            return true;
        };
    } else {
        return;
    }
    // What the core could not write or the browser refuses to store is taken back, so that
    // the files the game starts from again are the run's own, saved as a quit saves them.
    game.sessionEnds();
    const saved = files.snapshot();
    if (!replace() || !(await files.flush())) {
        files.restore(saved);
        await files.flush();
        await showMessage(notImported(), "Tallyrope");
    }
    location.reload();
}

export function wireFileBar(game, files, module) {
    const chooser = document.getElementById("import-file");
    for (const button of document.querySelectorAll("#export, #storage-trouble button")) {
        // A pointer leaves the focus where the player was typing or playing.
        button.addEventListener("mousedown", (event) => event.preventDefault());
        button.addEventListener("click", () => exportFiles(game, module));
    }
    document.getElementById("import").addEventListener("click", () => chooser.click());
    chooser.addEventListener("change", () => {
        const [file] = chooser.files;
        chooser.value = "";
        if (file !== undefined) {
            importChosen(game, files, module, file);
        }
    });
}
