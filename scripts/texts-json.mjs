// Writes the catalogues of po/ as the page reads them: OUT/<code>.json for each language of
// po/LINGUAS, an object from each English text to its translation (or to its plural forms).
// Usage: node scripts/texts-json.mjs PO_FOLDER OUT_FOLDER
import { mkdirSync, readFileSync, writeFileSync } from "node:fs";
import path from "node:path";

const [poFolder, outFolder] = process.argv.slice(2);
if (!poFolder || !outFolder) {
    console.error("usage: texts-json.mjs PO_FOLDER OUT_FOLDER");
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

mkdirSync(outFolder, { recursive: true });
const languages = readFileSync(path.join(poFolder, "LINGUAS"), "utf8").split(/\s+/).filter(Boolean);
for (const code of languages) {
    const texts = {};
    for (const entry of entries(readFileSync(path.join(poFolder, `${code}.po`), "utf8"))) {
        // The page's texts have no contexts: those are the desktop pictures' own words.
        if (entry.msgid === "" || "msgctxt" in entry) continue;
        const forms = Object.keys(entry).filter((key) => key.startsWith("msgstr["));
        texts[entry.msgid] = forms.length > 0 ? forms.map((key) => entry[key]) : entry.msgstr;
    }
    writeFileSync(path.join(outFolder, `${code}.json`), JSON.stringify(texts));
}
