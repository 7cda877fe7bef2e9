// Writes the catalogues of po/ as the page reads them, for each language of po/LINGUAS:
// texts/<code>.json, an object from each English text to its translation (or to its plural
// forms), and manifest-<code>.webmanifest, the page's manifest with its description in that
// language.
// Usage: node scripts/page-texts.mjs PO_FOLDER PAGE_FOLDER
import { mkdirSync, readFileSync, writeFileSync } from "node:fs";
import path from "node:path";

const [poFolder, pageFolder] = process.argv.slice(2);
if (!poFolder || !pageFolder) {
    console.error("usage: page-texts.mjs PO_FOLDER PAGE_FOLDER");
    process.exit(2);
}

// A catalogue's entries: keyword lines (msgctxt, msgid, msgid_plural, msgstr, msgstr[n]) each
// followed by its quoted strings, which JSON reads as they are escaped.
function entries(text) {
    const found = [];
    let entry = {};
    let field = null;
    for (const line of text.split("\n")) {
        const keyword = line.match(/^(msgctxt|msgid|msgid_plural|msgstr(?:\[\d\])?) (".*")$/);
        const more = line.match(/^(".*")$/);
        if (keyword) {
            // An entry starts at its context, or at its text when none is there yet.
            const starts = keyword[1] === "msgctxt" || keyword[1] === "msgid";
            if (starts && "msgid" in entry) {
                found.push(entry);
                entry = {};
            }
            field = keyword[1];
            entry[field] = JSON.parse(keyword[2]);
        } else if (more && field) {
            entry[field] += JSON.parse(more[1]);
        } else if (line.startsWith("#~")) {
            field = null;
        }
    }
    if ("msgid" in entry) found.push(entry);
    return found;
}

const textsFolder = path.join(pageFolder, "texts");
mkdirSync(textsFolder, { recursive: true });
const manifest = JSON.parse(readFileSync(path.join(pageFolder, "manifest.webmanifest"), "utf8"));
const languages = readFileSync(path.join(poFolder, "LINGUAS"), "utf8").split(/\s+/).filter(Boolean);
for (const code of languages) {
    const texts = {};
    for (const entry of entries(readFileSync(path.join(poFolder, `${code}.po`), "utf8"))) {
        // The page's texts have no contexts: those are the desktop pictures' own words.
        if (entry.msgid === "" || "msgctxt" in entry) continue;
        const forms = Object.keys(entry).filter((key) => key.startsWith("msgstr["));
        texts[entry.msgid] = forms.length > 0 ? forms.map((key) => entry[key]) : entry.msgstr;
    }
    writeFileSync(path.join(textsFolder, `${code}.json`), JSON.stringify(texts));
    const translated = {
        ...manifest,
        lang: code.replace("_", "-"),
        description: texts[manifest.description] ?? manifest.description,
    };
    writeFileSync(
        path.join(pageFolder, `manifest-${code}.webmanifest`),
        `${JSON.stringify(translated, null, 2)}\n`,
    );
}
