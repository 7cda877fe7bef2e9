// The edit boxes are the browser's own input fields, held to the table's limits: a box with a
// limit takes that many characters, the solve box what fits its table width in its table face,
// in either layout. A character outside the code page, typed or pasted, is refused with the
// beep and the box keeps what it had.
import { toBytes } from "./code_page.js";

// The core's boxes draw their text this far inside their rectangle.
const margin = 1;

export class EditBoxes {
    constructor(beep) {
        this.beep = beep;
        this.measure = document.createElement("canvas").getContext("2d");
        this.kept = new WeakMap();
    }

    manage(input, row) {
        if (row.textLimit > 0) {
            input.maxLength = row.textLimit;
        }
        const room = row.width - 2 * margin;
        this.keep(input);
        input.addEventListener("input", () => {
            if (toBytes(input.value) !== null && this.fits(input, room, row.textLimit)) {
                return;
            }
            const { value, start, end } = this.kept.get(input);
            input.value = value;
            input.setSelectionRange(start, end);
            this.beep();
        });
        // Taken just before each change, so a refused one puts the caret back where it was.
        input.addEventListener("beforeinput", () => this.keep(input));
    }

    fits(input, room, textLimit) {
        if (textLimit > 0) {
            return true;
        }
        this.measure.font = getComputedStyle(input).getPropertyValue("--table-font");
        return this.measure.measureText(input.value).width <= room;
    }

    keep(input) {
        this.kept.set(input, {
            value: input.value,
            start: input.selectionStart ?? input.value.length,
            end: input.selectionEnd ?? input.value.length,
        });
    }

    setValue(input, text) {
        input.value = text;
        this.keep(input);
    }
}
