// Starts the page: one run per browser profile, the data folder loaded from IndexedDB, then the
// core's start-up, with the hooks the file bar and the tests use kept on window.tallyrope.
import { bitmapIds, bitmapUrl } from "./assets.js";
import { setUpDialogs, showMessage } from "./dialogs.js";
import { EditBoxes } from "./edit_boxes.js";
import { wireFileBar } from "./file_bar.js";
import { DataFolder, refusedStorage } from "./files.js";
import { gameOf } from "./game.js";
import { wireInput } from "./input.js";
import { wireLayout, wireParts } from "./layout.js";
import { putPageTexts } from "./page_texts.js";
import { Screen } from "./screen.js";
import { SoundPlayer } from "./sound.js";
import { englishText, loadTexts, translated } from "./texts.js";

const alreadyRunning = englishText("Tallyrope is already running in another tab of this browser.");
const unfetchedLanguage = englishText(
    "The puzzles of this language could not be fetched. Connect to the internet and choose it again.",
);

// The notice at the end of a run says that the files are saved only once the browser has
// stored them.
const endedNotices = {
    saving: () => translated("Tallyrope has ended. Saving your puzzles and scores..."),
    saved: () => translated("Tallyrope has ended. Your puzzles and scores are saved."),
    unsaved: () => `${translated("Tallyrope has ended.")} ${translated(refusedStorage)}`,
};

// The tab holds the game until its run has ended and the quit's files are stored, or refused:
// then a new tab, or Play again here, starts a game.
let letGo;
const runOver = new Promise((resolve) => {
    letGo = resolve;
});

// A write the browser refuses is told at once, and stays told, with Export, until one is
// stored again.
const storageTrouble = document.getElementById("storage-trouble");
// The touch layout leaves the notice its height at the foot of the screen, so that it covers
// no control.
new ResizeObserver(() =>
    document.documentElement.style.setProperty("--notice", `${storageTrouble.offsetHeight}px`),
).observe(storageTrouble);

function tellSaving(state) {
    document.querySelector("#ended p").textContent = endedNotices[state]();
    if (state !== "saving") {
        storageTrouble.hidden = state === "saved";
        if (!document.getElementById("ended").hidden) {
            letGo();
        }
    }
}

let folder = null;
let game = null;
let signalReady;
const ready = new Promise((resolve) => {
    signalReady = resolve;
});

window.tallyrope = {
    ready,
    // A file written by hand stays as it is: the run's own saving steps go first, so the end
    // of the page does not write over it. Writing null removes the file.
    files: {
        read: (name) => folder?.read(name) ?? null,
        write: (name, bytes) => {
            game?.sessionEnds();
            if (bytes === null) {
                folder?.remove(name);
            } else {
                folder?.write(name, bytes);
            }
        },
        remove: (name) => window.tallyrope.files.write(name, null),
    },
    flush: () => folder?.flush() ?? Promise.resolve(),
};

// The panel's pictures decoded and painted: its images, and the art its layout paints behind
// them (the panel's background, or the touch layout's chalkboard).
async function drawn(panel) {
    const shown = (element) => element.checkVisibility?.() ?? element.offsetParent !== null;
    const painted = [panel, ...panel.querySelectorAll(".part")].filter(shown);
    const backgrounds = painted
        .map((element) => getComputedStyle(element).backgroundImage)
        .filter((image) => image.startsWith('url("'))
        .map((image) => Object.assign(new Image(), { src: image.slice(5, -2) }));
    const pictures = [...panel.querySelectorAll("img")].filter(shown);
    await Promise.all(
        [...pictures, ...backgrounds].map((picture) => picture.decode().catch(() => {})),
    );
    await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
}

// Once the first frame is drawn, every other picture is fetched, so that a pressed face, a
// miss's part of the figure or an opened panel's background shows at once: a few at a time,
// each batch a short task, so that the page answers a tap meanwhile. A tile of another language
// waits until that language is chosen.
async function fetchTheOtherPictures() {
    const pictures = [...document.images];
    const waiting = pictures.filter(
        (picture) => !picture.complete && picture.closest("[data-absent]") === null,
    );
    const placed = new Set(pictures.map((picture) => picture.getAttribute("src")));
    const backgrounds = bitmapIds.map(bitmapUrl).filter((url) => !placed.has(url));
    for (let at = 0; at < waiting.length; at += 8) {
        await new Promise((resolve) => setTimeout(resolve));
        for (const picture of waiting.slice(at, at + 8)) {
            picture.loading = "eager";
        }
    }
    for (const url of backgrounds) {
        new Image().src = url;
    }
}

// The main panel's background, which the page shows while the program loads (#splash).
const mainPicture = 48;

// The program is asked for once the loading picture is decoded, so that on a slow network the
// first thing a player sees comes first.
async function programLoaded() {
    const picture = Object.assign(new Image(), { src: bitmapUrl(mainPicture) });
    await picture.decode().catch(() => {});
    const script = Object.assign(document.createElement("script"), { src: "tallyrope.js" });
    return new Promise((resolve, reject) => {
        script.addEventListener("load", resolve);
        script.addEventListener("error", reject);
        document.head.append(script);
    });
}

async function play() {
    const sounds = new SoundPlayer();
    const stage = document.getElementById("stage");
    const screen = new Screen(stage, sounds, new EditBoxes(() => sounds.play("beep")));
    await programLoaded();
    const module = await window.createTallyrope({ page: screen });
    folder = new DataFolder(module, tellSaving);
    await folder.open();
    game = gameOf(module, folder);
    const starting = game.startingLanguage();
    await Promise.all([
        folder.seed(game.languageFiles(starting), firstPuzzles),
        screen.useTexts(game.languageCode(starting)),
    ]);
    screen.languageChosen = async (index) => {
        if (await folder.seed(game.languageFiles(index))) {
            game.chooseLanguage(index);
        } else {
            showMessage(translated(unfetchedLanguage), "Tallyrope");
        }
    };
    wireInput(stage, game);
    wireFileBar(game, folder, module);
    document.querySelector("#minimized button").addEventListener("click", () => screen.restore());
    // Closing or reloading the tab saves as the quit does; a page kept for going back starts
    // afresh from those files when it shows again.
    addEventListener("pagehide", () => game.sessionEnds());
    addEventListener("pageshow", (event) => event.persisted && location.reload());
    game.start();
    putPageTexts();
    wireParts();
    await drawn(document.getElementById("panel-main"));
    document.getElementById("splash").remove();
    fetchTheOtherPictures();
    signalReady();
    navigator.serviceWorker?.register("sw.js", { type: "module" }).catch(() => {});
}

async function refuse() {
    await loadTexts(likely.code);
    putPageTexts();
    document.getElementById("splash").remove();
    document.getElementById("file-bar").hidden = true;
    showMessage(translated(alreadyRunning), "Tallyrope");
    signalReady();
}

// A first visit plays the shipped puzzles of the browser's language, but asked for only once the
// program has loaded and found the folder empty, they would delay that visit by a round trip:
// they are asked for at once, from the first of the browser's languages the game ships, as the
// core chooses it (the core decides; a request it does not take is not used). Later visits find
// them in the service worker's cache.
function likelyLanguage() {
    const shipped = document.querySelector('meta[name="tallyrope-stores"]').content.split(" ");
    const stores = new Map(shipped.map((entry) => entry.split(":")));
    const primary = (tag) => tag.split(/[-_]/)[0].toLowerCase();
    for (const wanted of navigator.languages ?? []) {
        const code = [...stores.keys()].find((offered) => primary(offered) === primary(wanted));
        if (code !== undefined) {
            return { code, store: stores.get(code) };
        }
    }
    return { code: "en", store: stores.get("en") };
}
const likely = likelyLanguage();
const firstStore = likely.store;
const firstPuzzles = { store: firstStore, response: fetch(firstStore).catch(() => null) };
setUpDialogs();
wireLayout();
document.querySelector("#ended button").addEventListener("click", () => location.reload());
if (navigator.locks) {
    // Held while the game runs: a second tab finds it taken and touches no file.
    navigator.locks.request("tallyrope", { ifAvailable: true }, (lock) =>
        lock === null ? refuse() : play().then(() => runOver));
} else {
    play();
}
