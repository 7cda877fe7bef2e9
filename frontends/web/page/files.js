// The four files live in the browser's IndexedDB through emscripten's IDBFS, mounted where the
// core looks for its folder. What the core writes reaches IndexedDB at each flush.
const folder = "/tallyrope";

export class DataFolder {
    constructor(module) {
        this.fs = module.FS;
        this.flushing = Promise.resolve();
    }

    sync(populate) {
        return new Promise((resolve, reject) =>
            this.fs.syncfs(populate, (error) => (error ? reject(error) : resolve())));
    }

    // Mounts the folder and loads what IndexedDB holds of it. Without IndexedDB (a private
    // window of some browsers) the game still plays, from a folder kept in memory only.
    async open() {
        this.fs.mkdir(folder);
        this.fs.mount(this.fs.filesystems.IDBFS, {}, folder);
        try {
            await this.sync(true);
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

    // Flushes one after another, so the last one leaves IndexedDB as the folder is now.
    flush() {
        this.flushing = this.flushing.then(() => this.sync(false)).catch(() => {});
        return this.flushing;
    }

    // The tab may be gone before a flush has even read IndexedDB, so the end of a session
    // writes every file in one transaction, begun at once and committed without waiting.
    saveNow() {
        const idbfs = this.fs.filesystems.IDBFS;
        const database = idbfs.dbs[folder];
        if (database === undefined) {
            return;
        }
        const transaction = database.transaction([idbfs.DB_STORE_NAME], "readwrite");
        const store = transaction.objectStore(idbfs.DB_STORE_NAME);
        for (const name of this.fs.readdir(folder)) {
            const path = this.path(name);
            if (this.fs.isFile(this.fs.stat(path).mode)) {
                idbfs.loadLocalEntry(path, (error, entry) => error || store.put(entry, path));
            }
        }
        transaction.commit?.();
    }

    // A first visit plays the shipped puzzles, as the desktop programs' first start does.
    async seed() {
        if (this.read("OnLoad.dat") !== null || this.read("TRData.dat") !== null) {
            return;
        }
        const response = await fetch("OnLoad.dat");
        if (response.ok) {
            this.write("OnLoad.dat", new Uint8Array(await response.arrayBuffer()));
        }
    }
}
