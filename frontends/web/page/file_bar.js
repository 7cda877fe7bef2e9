// Export and Import, below the game: the same OnLoad.dat and TRStats.dat the desktop programs
// keep, carried between the browser and the other systems.
import { confirmReplace } from "./dialogs.js";

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

async function importPuzzles(game, files, module, file) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    if (!module.FS.analyzePath(importFolder).exists) {
        module.FS.mkdir(importFolder);
    }
    module.FS.writeFile(importFile, bytes);
    if (!game.checkImport() || !(await confirmReplace())) {
        return;
    }
    game.replacePuzzles();
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
            importPuzzles(game, files, module, file);
        }
    });
}
