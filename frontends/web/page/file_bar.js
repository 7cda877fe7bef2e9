// Export and Import, below the game: the same OnLoad.dat and TRStats.dat the desktop programs
// keep, carried between the browser and the other systems, and a TRC_CONFIG.INI brought in.
import { confirm } from "./dialogs.js";

// Where the core looks for a file being imported.
const importFolder = "/import";
const importFile = `${importFolder}/puzzles`;

function download(name, bytes) {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

// Saves as a quit does, hands both files over, and starts afresh from them.
async function exportFiles(game, files) {
    game.sessionEnds();
    for (const name of ["OnLoad.dat", "TRStats.dat"]) {
        const bytes = files.read(name);
        if (bytes !== null) {
            download(name, bytes);
        }
    }
    await files.flush();
    location.reload();
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
    if (kind === imported.puzzles && (await confirm("confirm-box", "replace"))) {
        game.replacePuzzles();
    } else if (kind === imported.consoleLocks && (await confirm("locks-box", "replace"))) {
        game.sessionEnds();
        files.write(configurationFile, bytes);
    } else {
        return;
    }
    await files.flush();
    location.reload();
}

export function wireFileBar(game, files, module) {
    const chooser = document.getElementById("import-file");
    document.getElementById("export").addEventListener("click", () => exportFiles(game, files));
    document.getElementById("import").addEventListener("click", () => chooser.click());
    chooser.addEventListener("change", () => {
        const [file] = chooser.files;
        chooser.value = "";
        if (file !== undefined) {
            importChosen(game, files, module, file);
        }
    });
}
