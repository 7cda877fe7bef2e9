// The clips through Web Audio: each fetched and decoded when first asked for, then kept; one
// plays at a time, a new clip cutting the one playing. Browsers keep audio silent until the
// player first taps or types, so the audio context is made at that event: made sooner it
// would only wait, and making it opens the audio device, a long pause in the page's start.
import { clipUrl } from "./assets.js";

export class SoundPlayer {
    constructor() {
        this.context = null;
        this.playing = null;
        this.asked = 0;
        this.clips = new Map();
        const unlock = () => {
            this.context ??= new AudioContext();
            this.context.resume();
        };
        for (const event of ["pointerdown", "keydown"]) {
            window.addEventListener(event, unlock, { capture: true, once: true });
        }
    }

    async decode(id) {
        try {
            const response = await fetch(clipUrl(id));
            return await this.context.decodeAudioData(await response.arrayBuffer());
        } catch {
            return null;
        }
    }

    async play(id) {
        if (this.context === null) {
            return;
        }
        if (!this.clips.has(id)) {
            this.clips.set(id, this.decode(id));
        }
        const ticket = ++this.asked;
        const buffer = await this.clips.get(id);
        // The tap that unlocks the sound is also the first to make one.
        if (this.context.state === "suspended") {
            await this.context.resume();
        }
        // A clip asked for later has cut this one, even if it was ready first.
        if (ticket !== this.asked) {
            return;
        }
        this.playing?.stop();
        this.playing = null;
        if (buffer === null || this.context.state !== "running") {
            return;
        }
        const source = this.context.createBufferSource();
        source.buffer = buffer;
        source.connect(this.context.destination);
        source.start();
        this.playing = source;
    }
}
