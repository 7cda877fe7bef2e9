// The four files live in the browser's IndexedDB through emscripten's IDBFS, mounted where the
// core looks for its folder: IDBFS loads it at start-up, and each flush writes it back in the
// records IDBFS reads.
const folder = "/tallyrope";

export class DataFolder {
    constructor(module) {
        this.fs = module.FS;
        this.stored = [];
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
    // Files removed since the last flush are deleted in the same transaction.
    flush() {
        const idbfs = this.fs.filesystems.IDBFS;
        const database = idbfs.dbs[folder];
        if (database === undefined) {
            return Promise.resolve();
        }
        const transaction = database.transaction([idbfs.DB_STORE_NAME], "readwrite");
        const store = transaction.objectStore(idbfs.DB_STORE_NAME);
        const files = this.filePaths();
        for (const path of files) {
            idbfs.loadLocalEntry(path, (error, entry) => error || store.put(entry, path));
        }
        for (const path of this.stored) {
            if (!files.includes(path)) {
                store.delete(path);
            }
        }
        this.stored = files;
        transaction.commit?.();
        return new Promise((resolve) => {
            transaction.oncomplete = resolve;
            transaction.onabort = resolve;
        });
    }

    filePaths() {
        return this.fs
            .readdir(folder)
            .map((name) => this.path(name))
            .filter((path) => this.fs.isFile(this.fs.stat(path).mode));
    }

    // A first visit plays the shipped puzzles, as the desktop programs' first start does;
    // `shipped` is the page's request for them, made while the program loaded.
    async seed(shipped) {
        if (this.read("OnLoad.dat") !== null || this.read("TRData.dat") !== null) {
            return;
        }
        const response = await shipped;
        if (response?.ok) {
            this.write("OnLoad.dat", new Uint8Array(await response.arrayBuffer()));
        }
    }
}
