// The page as the core sees it, recording what it is asked to do, and the module loaded with it:
// the same build the browser runs, with the data folder in memory.
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { fileURLToPath } from "node:url";

const require = createRequire(import.meta.url);
const built = fileURLToPath(
    new URL("../../../build-web/frontends/web/tallyrope.js", import.meta.url));
const program = process.env.TALLYROPE_WEB_MODULE ?? built;
const createTallyrope = require(program);
// Node's fetch takes no file paths, so the program's bytes are handed over read.
const wasmBinary = readFileSync(program.replace(/\.js$/, ".wasm"));

const latin1 = new TextDecoder("latin1");
export const text = (bytes) => latin1.decode(bytes);
export const bytes = (string) => Uint8Array.from(string, (c) => c.charCodeAt(0));

export class FakePage {
    // `languages`: what the browser prefers, as navigator.languages gives it.
    constructor(languages = ["en-US"]) {
        this.browserLanguages = languages;
        this.languages = [];
        this.inPlay = null; // the language in play: its code and its tiles
        this.offered = [];
        this.texts = new Map();
        this.names = new Map(); // what a screen reader calls each control
        this.captions = []; // the desktop picture's words, as "button: words"
        this.announced = [];
        // The sentences that ended a round, and the misses left after each step.
        this.roundEndings = [];
        this.missesLeft = [];
        this.messages = [];
        this.placed = [];
        this.soundOn = null;
        this.player = null;
        this.ended = false;
    }

    makeWindow() {}
    caption(index, fields, words, lead) {
        this.captions[index] = `${fields[1]}: ${text(lead)}${text(words)}`;
    }
    makeControl(row) {
        this.texts.set(row.id, row.text);
    }
    setText(id, value) {
        this.texts.set(id, value);
    }
    readText(id) {
        return this.texts.get(id) ?? new Uint8Array();
    }
    emptyEdit(id) {
        this.texts.set(id, new Uint8Array());
    }
    showControl() {}
    showWindow() {}
    placeWindow(window, left, top) {
        this.placed.push([window, left, top]);
    }
    giveFocus() {}
    beep() {}
    playSound() {}
    minimize() {}
    openHelp() {
        return true;
    }
    messageBox(message, caption) {
        this.messages.push([text(message), text(caption)]);
    }
    endRun() {
        this.ended = true;
    }
    announce(sentence, ended) {
        this.announced.push(text(sentence));
        if (ended) this.roundEndings.push(text(sentence));
    }
    roundState(missesLeft) {
        this.missesLeft.push(missesLeft);
    }
    nameControl(id, name) {
        this.names.set(id, text(name));
    }
    soundSwitch(on, name) {
        this.soundOn = on;
        this.names.set(3250, text(name));
    }
    playerChosen(player) {
        this.player = player;
    }
    systemLanguages() {
        return this.browserLanguages.join(",");
    }
    addLanguage(index, code, name) {
        this.languages[index] = { code, name: text(name) };
    }
    languageInPlay(index, tiles) {
        this.inPlay = { code: this.languages[index].code, tiles: text(tiles) };
    }
    offerLanguages(current) {
        this.offered.push(current);
    }
}

export const folder = "/tallyrope/";

// A module whose data folder holds `files` (name to text), not yet started.
export async function gameWith(files) {
    const page = new FakePage();
    const module = await createTallyrope({ page, wasmBinary });
    module.FS.mkdir(folder);
    module.FS.mkdir("/import");
    for (const [name, content] of Object.entries(files)) {
        module.FS.writeFile(folder + name, bytes(content));
    }
    const read = (name) => {
        try {
            return text(module.FS.readFile(folder + name));
        } catch {
            return null;
        }
    };
    return { page, module, read };
}
