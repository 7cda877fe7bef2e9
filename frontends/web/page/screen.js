// The page object the core draws through (page_library.js calls it): the three windows as
// panels of the stage and every control as an element at its table rectangle.
import { bitmapUrl } from "./assets.js";
import { describeCaption, fitCaption, makeCaption, writeCaption } from "./captions.js";
import { fromBytes, toBytes } from "./code_page.js";
import { chooseFrom, showMessage } from "./dialogs.js";
import { fitLetters, fitPhrase, fitText, isTouchLayout, onLayoutChange } from "./layout.js";
import {
    faces,
    missesLeftCaption,
    missesToLoseCaption,
    motto,
    partCaptions,
    placeholders,
    shortUsedCaption,
    soundFace,
    spokenPhrase,
    textLabels,
    tileLetter,
    units,
} from "./names.js";
import { panelParts } from "./parts.js";
import {
    englishText,
    loadTexts,
    putText,
    showTextsAgain,
    translated,
    translatedWith,
} from "./texts.js";

const kind = { button: 0, bitmap: 1, noPrefix: 2, simple: 3, centred: 4, edit: 5 };
const fontClasses = ["font-system", "font-phrase", "font-gui"];
const panelIds = ["panel-main", "panel-console", "panel-message"];
const panelNames = [englishText("Tallyrope"), englishText("Puzzle console"), englishText("Message")];
const maskedPhrase = 1960;
const firstPhraseLine = 5500;
const soundButton = 3250;
const playerButtons = [2800, 2950];
const skillButton = 3400;
const missesToLose = 4400;
const usedLetters = 4350;
// The most letters of a word the touch layout keeps on one line: TRANSCONTINENTAL, at 19 px
// on a 320-pixel phone.
const longestWhole = 16;
// How long the touch layout shows a round's outcome in words, in milliseconds.
const outcomeShown = 4000;
const languageButton = 6700;

// Ampersands mark shortcut letters in these controls: "&&" shows one, a lone one nothing.
function withoutPrefixes(text) {
    return text.replace(/&(.?)/gs, "$1");
}

// A picture not on show (a pressed face, a part of the figure, a closed panel's) waits until
// the first frame is drawn, so that the frame's own pictures have the network to themselves.
function image(bitmap) {
    const picture = document.createElement("img");
    picture.loading = "lazy";
    picture.src = bitmapUrl(bitmap);
    picture.alt = "";
    picture.draggable = false;
    return picture;
}

// The table rectangle, which the desktop picture places the control at and which a tap on it
// in either layout reaches the core at.
function place(element, row) {
    element.style.setProperty("--x", `${row.x}px`);
    element.style.setProperty("--y", `${row.y}px`);
    element.style.setProperty("--w", `${row.width}px`);
    element.style.setProperty("--h", `${row.height}px`);
    element.dataset.rect = `${row.x} ${row.y} ${row.width} ${row.height}`;
}

// The part elements of a panel, in order, and for each control id the part that holds it.
function makeParts(parts, parent, partOf) {
    for (const part of parts) {
        const element = document.createElement("div");
        element.className = "part";
        element.dataset.part = part.name;
        element.style.setProperty("--part", part.name);
        parent.append(element);
        if (part.parts) {
            makeParts(part.parts, element, partOf);
        }
        for (const id of part.ids ?? []) {
            partOf.set(id, { element, ids: part.ids });
        }
    }
}

// Between the words of a spaced phrase (" B I G   T O P") lie three spaces. The touch layout
// holds each word apart, so a narrow screen breaks the line between words only, and sizes the
// phrase by its letters and those of its longest word; the text stays the same. The desktop
// picture draws it as one line, as the desktop programs do.
function showPhrase(element, text) {
    const spaced = [...text].every((c, i) => i % 2 === 1 || c === " ");
    if (!spaced || !isTouchLayout()) {
        element.style.removeProperty("font-size");
        element.textContent = text;
        element.style.removeProperty("--longest-word");
        element.style.removeProperty("--phrase-letters");
        return;
    }
    const pieces = text.split(/( {3})/);
    const letters = (piece) => (piece.trim().length + 1) / 2;
    element.replaceChildren(
        ...pieces.map((piece) => {
            if (piece.trim() === "") {
                return piece;
            }
            const word = document.createElement("span");
            word.className = "word";
            // A word too long for a line of a readable size may break between its letters.
            word.classList.toggle("long", letters(piece) > longestWhole);
            word.textContent = piece;
            return word;
        }),
    );
    const longest = Math.min(longestWhole, Math.max(1, ...pieces.map(letters)));
    element.style.setProperty("--longest-word", String(longest));
    element.style.setProperty("--phrase-letters", String(text.length / 2));
    fitPhrase(element);
}

export class Screen {
    constructor(stage, sounds, editBoxes) {
        this.stage = stage;
        this.sounds = sounds;
        this.editBoxes = editBoxes;
        this.panels = [];
        this.controls = new Map();
        this.texts = new Map();
        this.partOf = new Map();
        this.created = 0;
        this.languages = [];
        // Hears the shipped language the player chose, by its place in `languages`.
        this.languageChosen = () => {};
        onLayoutChange(() => {
            for (const id of [maskedPhrase, firstPhraseLine]) {
                const element = this.controls.get(id)?.element;
                element && showPhrase(element, element.textContent);
            }
            this.fitCaptions();
        });
    }

    fitCaptions() {
        for (const { caption, span } of this.captions ?? []) {
            fitCaption(span, caption);
        }
    }

    makeWindow(window, background, width, height, left, top) {
        const panel = document.createElement("div");
        panel.id = panelIds[window];
        panel.className = "panel";
        panel.dataset.window = String(window);
        panel.hidden = true;
        panel.tabIndex = -1;
        panel.setAttribute("role", "group");
        putText(panel, "aria-label", panelNames[window]);
        panel.style.setProperty("--width", `${width}px`);
        panel.style.setProperty("--height", `${height}px`);
        panel.style.setProperty("--picture", `url("${bitmapUrl(background)}")`);
        panel.style.zIndex = String(window);
        makeParts(panelParts[window] ?? [], panel, this.partOf);
        for (const [part, caption] of Object.entries(partCaptions[window] ?? {})) {
            putText(panel.querySelector(`[data-part="${part}"]`), "data-caption", caption);
        }
        if (window === 0) {
            putText(panel.querySelector('[data-part="title"]'), "data-motto", motto);
            putText(panel.querySelector('[data-part="used"]'), "data-short-caption", shortUsedCaption);
        }
        const notes = { 1: ["notes", "console-notes"], 2: ["note", "message-note"] }[window];
        if (notes !== undefined) {
            const [part, template] = notes;
            panel.querySelector(`[data-part="${part}"]`).append(
                document.getElementById(template).content.cloneNode(true),
            );
        }
        this.stage.append(panel);
        this.panels[window] = panel;
        this.placeWindow(window, left, top);
    }

    makeControl(row) {
        const element = this.elementFor(row);
        element.id = `c${row.id}`;
        element.dataset.id = String(row.id);
        element.classList.add("control");
        place(element, row);
        // The controls made first lie on top, as on the desktop: the masked phrase covers the
        // second phrase line on the same rectangle.
        element.style.zIndex = String(1000 - this.created);
        this.created += 1;
        element.hidden = !row.visible;
        this.controls.set(row.id, { element, row });
        this.putInPart(element, row);
        if (row.kind !== kind.button && row.kind !== kind.bitmap) {
            this.setText(row.id, row.text);
        }
    }

    // In the part's own order, whatever the order the controls are made in.
    putInPart(element, row) {
        const part = this.partOf.get(row.id);
        if (part === undefined) {
            this.panels[row.window].append(element);
            return;
        }
        const rank = (id) => part.ids.indexOf(id);
        const next = [...part.element.children].find(
            (child) => rank(Number(child.dataset.id)) > rank(row.id),
        );
        part.element.insertBefore(element, next ?? null);
    }

    elementFor(row) {
        if (row.kind === kind.button) {
            const button = document.createElement("button");
            button.className = "push";
            const up = image(row.bitmap);
            up.className = "up";
            const down = image(row.pressedBitmap);
            down.className = "down";
            button.append(up, down);
            return button;
        }
        if (row.kind === kind.bitmap) {
            const letter = tileLetter(row.id);
            if (letter === null) {
                return image(row.bitmap);
            }
            const tile = document.createElement("button");
            tile.className = "tile";
            tile.setAttribute("aria-label", translatedWith("Letter %s", letter));
            tile.dataset.letter = letter;
            tile.append(image(row.bitmap));
            return tile;
        }
        if (row.kind === kind.edit) {
            const input = document.createElement("input");
            input.type = "text";
            input.className = `field ${fontClasses[row.font]}`;
            if (placeholders.has(row.id)) {
                putText(input, "placeholder", placeholders.get(row.id));
            }
            input.autocomplete = "off";
            input.spellcheck = false;
            this.editBoxes.manage(input, row);
            return input;
        }
        const text = document.createElement("div");
        text.className = `text ${fontClasses[row.font]}`;
        if (row.kind === kind.centred) {
            text.classList.add("centred");
        }
        if (units.has(row.id)) {
            putText(text, "data-unit", units.get(row.id));
        }
        if (units.has(row.id) || row.id === usedLetters) {
            text.dataset.fit = "";
        }
        if (textLabels.has(row.id)) {
            // Shown to a screen reader only, before the text, and not part of it.
            putText(text, "data-label", textLabels.get(row.id));
        }
        if (row.id === maskedPhrase) {
            text.setAttribute("role", "img");
            putText(text, "aria-roledescription", englishText("phrase"));
        }
        if (row.id === firstPhraseLine) {
            // The first form of the masked phrase, under it: nothing a reader needs twice.
            text.setAttribute("aria-hidden", "true");
        }
        return text;
    }

    setText(id, bytes) {
        const control = this.controls.get(id);
        if (control === undefined) {
            return;
        }
        const { element, row } = control;
        const text = fromBytes(bytes);
        this.texts.set(id, Uint8Array.from(bytes));
        if (row.kind === kind.edit) {
            this.editBoxes.setValue(element, text);
            return;
        }
        const shown = row.kind === kind.noPrefix ? text : withoutPrefixes(text);
        if (id === maskedPhrase || id === firstPhraseLine) {
            showPhrase(element, shown);
        } else {
            element.textContent = shown;
        }
        if (element.dataset.fit !== undefined) {
            fitText(element);
        }
        if (id === maskedPhrase) {
            this.showPhraseName();
        }
        if (id === missesToLose) {
            this.showSkillFace();
        }
    }

    showPhraseName() {
        const phrase = this.controls.get(maskedPhrase);
        const spoken = spokenPhrase(fromBytes(this.texts.get(maskedPhrase) ?? new Uint8Array()));
        phrase?.element.setAttribute("aria-label", spoken || translated("No puzzle"));
    }

    // The misses left in a round before the number of misses that lose; between rounds, only
    // what that number is.
    showMissesCaption() {
        const misses = this.panels[0]?.querySelector('[data-part="misses"]');
        const left = misses?.getAttribute("data-left");
        misses?.setAttribute(
            "data-caption",
            left ? translatedWith(missesLeftCaption, left) : translated(missesToLoseCaption),
        );
    }

    // Every text of the page's own in the language whose texts are loaded: those put once,
    // and those made of a value.
    showTexts() {
        showTextsAgain(document);
        for (const tile of this.stage.querySelectorAll(".tile")) {
            tile.setAttribute("aria-label", translatedWith("Letter %s", tile.dataset.letter));
        }
        this.showPhraseName();
        this.showMissesCaption();
        const sound = this.controls.get(soundButton)?.element;
        sound?.setAttribute("data-face", soundFace(sound.dataset.on !== "false"));
    }

    // The page's texts follow the language in play, once its catalogue has come.
    async useTexts(code) {
        if (code === this.textsCode) {
            return;
        }
        this.textsCode = code;
        await loadTexts(code);
        if (code === this.textsCode) {
            this.showTexts();
        }
    }

    // The touch layout shows the number of misses to lose on the Skill button too.
    showSkillFace() {
        const skill = this.controls.get(skillButton)?.element;
        const misses = this.controls.get(missesToLose)?.element;
        if (skill?.dataset.name !== undefined && misses !== undefined) {
            skill.setAttribute("data-face", `${skill.dataset.name} ${misses.textContent}`);
        }
    }

    readText(id) {
        const control = this.controls.get(id);
        if (control === undefined) {
            return new Uint8Array();
        }
        if (control.row.kind === kind.edit) {
            return toBytes(control.element.value) ?? new Uint8Array();
        }
        return this.texts.get(id) ?? new Uint8Array();
    }

    emptyEdit(id) {
        const control = this.controls.get(id);
        if (control !== undefined) {
            this.editBoxes.setValue(control.element, "");
        }
    }

    showControl(id, visible) {
        const control = this.controls.get(id);
        if (control === undefined) {
            return;
        }
        const { element, words } = control;
        const hadFocus = element.contains(document.activeElement);
        element.hidden = !visible;
        if (words !== undefined) {
            words.hidden = !visible;
            this.fitCaptions();
        }
        if (hadFocus && !visible) {
            this.focusAfter(element);
        }
    }

    // Keeps a keyboard player in the tiles when the focused one is used up.
    focusAfter(element) {
        const tiles = [...this.panels[0].querySelectorAll(".tile")];
        const from = tiles.indexOf(element);
        const next = [...tiles.slice(from + 1), ...tiles.slice(0, from)].find((t) => !t.hidden);
        (next ?? this.panels[0]).focus({ preventScroll: true });
    }

    showWindow(window, visible) {
        const panel = this.panels[window];
        if (panel === undefined) {
            return;
        }
        const hadFocus = panel.contains(document.activeElement);
        panel.hidden = !visible;
        if (visible && window !== 0) {
            // A panel that opens over the game takes the keyboard, so a keyboard player can
            // use it at once: once the command and the click that ran it are done, since both
            // hand the keys back to the main panel.
            const first =
                panel.querySelector("input") ?? panel.querySelector("button:not([hidden])");
            setTimeout(() => first?.focus({ preventScroll: true }));
        } else if (!visible && hadFocus) {
            this.panels[0].focus({ preventScroll: true });
        }
    }

    placeWindow(window, left, top) {
        const panel = this.panels[window];
        panel.style.setProperty("--left", `${left}px`);
        panel.style.setProperty("--top", `${top}px`);
    }

    // A button keeps the focus its player gave it; anything else hands the keys to the panel.
    giveFocus(window) {
        const panel = this.panels[window];
        const active = document.activeElement;
        if (panel === undefined || panel.hidden) {
            return;
        }
        if (panel.contains(active) && active.tagName === "BUTTON" && !active.hidden) {
            return;
        }
        panel.focus({ preventScroll: true });
    }

    beep() {
        this.sounds.play("beep");
    }

    playSound(waveId) {
        this.sounds.play(waveId);
    }

    minimize() {
        document.getElementById("game").hidden = true;
        document.getElementById("minimized").hidden = false;
        document.querySelector("#minimized button").focus();
    }

    restore() {
        document.getElementById("minimized").hidden = true;
        document.getElementById("game").hidden = false;
        this.panels[0].focus({ preventScroll: true });
    }

    openHelp(url) {
        const tab = window.open(url, "_blank");
        if (tab === null) {
            return false;
        }
        tab.opener = null;
        return true;
    }

    messageBox(text, caption) {
        showMessage(fromBytes(text), fromBytes(caption));
    }

    endRun() {
        document.getElementById("game").hidden = true;
        document.getElementById("minimized").hidden = true;
        document.getElementById("ended").hidden = false;
        document.querySelector("#ended button").focus();
    }

    // A sentence the same as the last one is still news (the same puzzle won twice): a
    // trailing no-break space makes it a change that screen readers hear.
    announce(bytes, ended = false) {
        const announcer = document.getElementById("announcer");
        const sentence = fromBytes(bytes);
        announcer.textContent = announcer.textContent === sentence ? `${sentence}\u00a0` : sentence;
        if (ended) {
            this.showOutcome(sentence);
        }
    }

    // The touch layout writes a round's outcome over the chalkboard for a moment (touch.css),
    // its first sentence large: "You won!" or "You lost."
    showOutcome(sentence) {
        const slate = this.panels[0]?.querySelector('[data-part="slate"]');
        if (!slate) {
            return;
        }
        let outcome = slate.querySelector(".outcome");
        if (outcome === null) {
            outcome = document.createElement("div");
            outcome.className = "outcome";
            // The announcer says it already.
            outcome.setAttribute("aria-hidden", "true");
            slate.append(outcome);
        }
        const [, first, rest] = /^(.*?[.!])\s*(.*)$/.exec(sentence) ?? [, sentence, ""];
        const headline = document.createElement("strong");
        headline.textContent = first;
        outcome.replaceChildren(headline, rest);
        outcome.hidden = false;
        clearTimeout(this.outcomeTimer);
        this.outcomeTimer = setTimeout(() => (outcome.hidden = true), outcomeShown);
    }

    // The misses left, which the touch layout writes before the number of misses that lose.
    roundState(missesLeft) {
        const misses = this.panels[0]?.querySelector('[data-part="misses"]');
        misses?.setAttribute("data-left", missesLeft < 0 ? "" : String(missesLeft));
        this.showMissesCaption();
        if (missesLeft >= 0) {
            const outcome = this.panels[0].querySelector(".outcome");
            outcome && (outcome.hidden = true);
        }
    }

    // A caption of the desktop picture, made at the first telling and written anew in each
    // language.
    caption(index, fields, text, lead) {
        this.captions ??= [];
        if (this.captions[index] === undefined) {
            const caption = describeCaption(fields);
            const span = makeCaption(caption);
            const on =
                caption.control === 0
                    ? this.panels[caption.window]
                    : this.wordsOver(this.controls.get(caption.control));
            on?.append(span);
            this.captions[index] = { caption, span };
        }
        const { caption, span } = this.captions[index];
        writeCaption(span, caption, fromBytes(text), fromBytes(lead));
    }

    // Where a control's words go: a button holds them; a picture, a bubble, has a layer of its
    // own laid over it, shown and hidden with it.
    wordsOver(control) {
        if (control === undefined || control.element.tagName !== "IMG") {
            return control?.element;
        }
        if (control.words === undefined) {
            const words = document.createElement("div");
            words.className = "control picture-words";
            place(words, control.row);
            words.style.zIndex = control.element.style.zIndex;
            words.hidden = control.element.hidden;
            control.element.after(words);
            control.words = words;
        }
        return control.words;
    }

    // Named in the language in play, before the page is told the language.
    nameControl(id, bytes) {
        const element = this.controls.get(id)?.element;
        const name = fromBytes(bytes);
        element?.setAttribute("aria-label", name);
        if (element?.classList.contains("push")) {
            element.dataset.name = name;
            if (faces.has(id)) {
                putText(element, "data-face", faces.get(id));
            } else {
                element.dataset.face = name;
            }
        }
        if (id === skillButton) {
            this.showSkillFace();
        }
    }

    soundSwitch(on, nameBytes) {
        const button = this.controls.get(soundButton)?.element;
        button?.setAttribute("aria-label", fromBytes(nameBytes));
        button?.setAttribute("data-face", soundFace(on));
        button?.setAttribute("data-on", String(on));
    }

    systemLanguages() {
        return navigator.languages?.join(",") ?? navigator.language ?? "";
    }

    addLanguage(index, code, name) {
        this.languages[index] = { code, name: fromBytes(name) };
    }

    // The page speaks the language of the puzzles; the ledge holds its tiles, in its order, and
    // no empty slot for another language's.
    languageInPlay(index, tiles) {
        const language = this.languages[index];
        document.documentElement.lang = language.code.replace("_", "-");
        const order = [...fromBytes(tiles)];
        const letters = this.panels[0].querySelector('[data-part="letters"]');
        const keys = [...letters.querySelectorAll(".tile")];
        const rank = (key) => {
            const place = order.indexOf(key.dataset.letter);
            return place < 0 ? order.length : place;
        };
        keys.sort((a, b) => rank(a) - rank(b));
        for (const key of keys) {
            key.toggleAttribute("data-absent", !order.includes(key.dataset.letter));
            letters.append(key);
        }
        fitLetters(letters);
        const button = this.controls.get(languageButton)?.element;
        button?.setAttribute("aria-label", `${button.dataset.name}: ${language.name}`);
        button?.setAttribute("data-face", language.code.slice(0, 2).toUpperCase());
        this.languageIndex = index;
        this.useTexts(language.code);
    }

    async offerLanguages(current) {
        const names = this.languages.map((language) => language.name);
        const index = await chooseFrom("language-box", names, current);
        if (index !== null && index !== current) {
            this.languageChosen(index);
        }
    }

    // The player credited with the round: its button is pressed, the other is not.
    playerChosen(player) {
        playerButtons.forEach((id, index) => {
            const pressed = String(player === index + 1);
            this.controls.get(id)?.element.setAttribute("aria-pressed", pressed);
        });
    }
}
