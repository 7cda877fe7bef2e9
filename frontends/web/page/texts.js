// The page's own texts in the language in play, from the catalogues of po/ that make-web.sh
// turns into texts/<code>.json, keyed by the English texts; English needs no file.
let catalogue = {};

// Marks an English text for the catalogues where it is written down; it is translated where it
// is shown.
export const englishText = (english) => english;

export function translated(english) {
    const found = catalogue[english];
    return typeof found === "string" ? found : english;
}

// `english` translated, with its "%s" replaced by `value`.
export function translatedWith(english, value) {
    return translated(english).replace("%s", value);
}

// The texts of language `code` ("de", "pt_BR"); one that cannot be fetched leaves English. The
// page's manifest, which an installed game's description comes from, follows.
export async function loadTexts(code) {
    const manifest = code === "en" ? "manifest.webmanifest" : `manifest-${code}.webmanifest`;
    document.querySelector('link[rel="manifest"]')?.setAttribute("href", manifest);
    catalogue =
        code === "en"
            ? {}
            : await fetch(`texts/${code}.json`)
                  .then((response) => (response.ok ? response.json() : {}))
                  .catch(() => ({}));
}

// Shows `english` translated as the element's `what`: "text" its content, "html" its markup,
// else the attribute of that name; kept, so that a change of language shows it again.
export function putText(element, what, english) {
    element.setAttribute(`data-en-${what}`, english);
    element.setAttribute("data-en", "");
    show(element, what, english);
}

function show(element, what, english) {
    const text = translated(english);
    if (what === "text") {
        element.textContent = text;
    } else if (what === "html") {
        element.innerHTML = text;
    } else {
        element.setAttribute(what, text);
    }
}

// Every text put by putText under `root`, in the language now loaded.
export function showTextsAgain(root = document) {
    for (const element of root.querySelectorAll("[data-en]")) {
        for (const attribute of [...element.attributes]) {
            if (attribute.name.startsWith("data-en-")) {
                show(element, attribute.name.slice("data-en-".length), attribute.value);
            }
        }
    }
}
