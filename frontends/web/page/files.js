// The four files live in the browser's IndexedDB through emscripten's IDBFS, mounted where the
// core looks for its folder: IDBFS loads it at start-up, and each flush writes it back in the
// records IDBFS reads.
const folder = "/tallyrope";

import { englishText } from "./texts.js";

export const refusedStorage = englishText(
    "This browser would not store your puzzles and scores (its storage may be full or turned off).",
);

export class DataFolder {
    // `toldSaving` hears "saving" as a flush begins, then "saved" once the folder is stored, or
    // "unsaved" when the browser refused it.
    constructor(module, toldSaving = () => {}) {
        this.fs = module.FS;
        this.stored = [];
        this.toldSaving = toldSaving;
        this.flushing = 0;
        this.keepAsked = false;
    }

    load() {
        return new Promise((resolve, reject) =>
            this.fs.syncfs(true, (error) => (error ? reject(error) : resolve())));
    }

    // Mounts the folder and loads what IndexedDB holds of it. Without IndexedDB (a private
    // window of some browsers) the game still plays, from a folder kept in memory only.
    async open() {
        this.fs.mkdir(folder);
        this.fs.mount(this.fs.filesystems.IDBFS, {}, folder);
        try {
            await this.load();
            this.stored = this.filePaths();
        } catch {
            this.fs.unmount(folder);
        }
    }

    path(name) {
        return `${folder}/${name}`;
    }

    read(name) {
        try {
            return this.fs.readFile(this.path(name));
        } catch {
            return null;
        }
    }

    write(name, bytes) {
        this.fs.writeFile(this.path(name), bytes);
    }

    remove(name) {
        try {
            this.fs.unlink(this.path(name));
        } catch {
            // Already gone.
        }
    }

    // Every flush writes the whole folder (four small files) in one transaction, begun at
    // once: the tab may be gone a moment after a click, and nothing may wait behind a read.
    // Files removed since the last stored flush are deleted in the same transaction. A flush
    // the browser refuses (a full quota, say) changes nothing there, so the next one writes
    // and deletes it all again. Resolves to whether the folder was stored.
    async flush() {
        const database = this.fs.filesystems.IDBFS.dbs[folder];
        if (database === undefined) {
            this.toldSaving("unsaved");
            return false;
        }
        const files = this.filePaths();
        this.askToKeep(files);
        this.flushing += 1;
        this.toldSaving("saving");
        const stored = await this.written(database, files);
        this.flushing -= 1;
        if (stored) {
            this.stored = files;
        }
        this.toldSaving(!stored ? "unsaved" : this.flushing > 0 ? "saving" : "saved");
        return stored;
    }

    written(database, files) {
        const idbfs = this.fs.filesystems.IDBFS;
        let transaction;
        try {
            transaction = database.transaction([idbfs.DB_STORE_NAME], "readwrite");
            const store = transaction.objectStore(idbfs.DB_STORE_NAME);
            for (const path of files) {
                idbfs.loadLocalEntry(path, (error, entry) => {
                    if (error) throw error;
                    store.put(entry, path);
                });
            }
            for (const path of this.stored) {
                if (!files.includes(path)) {
                    store.delete(path);
                }
            }
            transaction.commit?.();
        } catch {
            try {
                transaction?.abort();
            } catch {
                // Ended already.
            }
            return Promise.resolve(false);
        }
        return new Promise((resolve) => {
            transaction.oncomplete = () => resolve(true);
            transaction.onabort = () => resolve(false);
        });
    }

    // By default a browser may delete a site's storage when the device runs short of space,
    // or after weeks without a visit; the first time the game writes its folder it asks to
    // keep it. The browser decides, asking the player or not; the game plays either way.
    askToKeep(files) {
        if (this.keepAsked || files.length === 0) {
            return;
        }
        this.keepAsked = true;
        navigator.storage?.persist?.().catch(() => {});
    }

    // The folder's files and their bytes, to be put back by restore().
    snapshot() {
        return new Map(this.filePaths().map((path) => [path, this.fs.readFile(path)]));
    }

    restore(snapshot) {
        for (const path of this.filePaths()) {
            if (!snapshot.has(path)) {
                this.fs.unlink(path);
            }
        }
        for (const [path, bytes] of snapshot) {
            this.fs.writeFile(path, bytes);
        }
    }

    filePaths() {
        return this.fs
            .readdir(folder)
            .map((name) => this.path(name))
            .filter((path) => this.fs.isFile(this.fs.stat(path).mode));
    }

    // The first play in a language plays its shipped puzzles, as the desktop programs' first
    // start does: `files` names the language's store and working file; `asked` is a request
    // for a store made already. False when neither file is in the folder and the shipped store
    // could not be fetched.
    async seed(files, asked = null) {
        if (this.read(files.store) !== null || this.read(files.working) !== null) {
            return true;
        }
        const response = await (asked?.store === files.store
            ? asked.response
            : fetch(files.store).catch(() => null));
        if (!response?.ok) {
            return false;
        }
        this.write(files.store, new Uint8Array(await response.arrayBuffer()));
        return true;
    }
}
