#include "tools/puzzles/commands.h"

#include "state/session.h"
#include "storage/puzzle_store.h"
#include "storage/text_file.h"
#include "tools/puzzles/collection_source.h"
#include "tools/puzzles/database_check.h"
#include "tools/puzzles/database_text.h"

#include <optional>
#include <ostream>

namespace tallyrope::puzzles {

const char* const usage =
    "Usage: tallyrope-puzzles COMMAND ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  pack PLAIN STORE         scramble the puzzle database PLAIN into the store STORE\n"
    "  unpack STORE PLAIN       unscramble the store STORE into the puzzle database PLAIN\n"
    "  list [--store] FILE      print each record of a database (or, with --store, of a\n"
    "                           store) on one line: phrase, TAB, hint\n"
    "  check [--store] FILE     report the records that break the collection's rules;\n"
    "                           exits with 1 when there are any\n"
    "  compile SOURCE PLAIN     turn the collection's source (one puzzle a line: phrase,\n"
    "                           TAB, hint) into the puzzle database PLAIN\n"
    "  languages                print the code of each language the game ships and the\n"
    "                           name of its puzzle store, a line each\n"
    "  --help                   print this text\n"
    "\n"
    "check and compile take --language CODE for the puzzles of another language than\n"
    "English, CODE the name of its folder of puzzles/, such as de; the text of every file\n"
    "is in the Windows-1252 code page.\n"
    "\n"
    "Exit codes: 0 done, 1 puzzles break the rules, 2 bad arguments or a file that could\n"
    "not be read or written. Files are written whole or not at all.\n";

namespace {

constexpr const char* programName = "tallyrope-puzzles: ";

struct Invocation {
    std::string command;
    std::vector<std::string> files;
    bool store = false;
    const Language* language = &english();
};

class Tool {
  public:
    Tool(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    int run(const std::vector<std::string>& arguments) {
        if (arguments.empty()) {
            err_ << usage;
            return exitFailure;
        }
        if (arguments[0] == "--help" || arguments[0] == "-h") {
            out_ << usage;
            return exitSuccess;
        }
        const std::optional<Invocation> invocation = parse(arguments);
        if (!invocation) {
            return exitFailure;
        }
        const Invocation& call = *invocation;
        if (call.command == "pack") {
            return pack(call.files[0], call.files[1]);
        }
        if (call.command == "unpack") {
            return unpack(call.files[0], call.files[1]);
        }
        if (call.command == "list") {
            return list(call.files[0], call.store);
        }
        if (call.command == "check") {
            return check(call.files[0], call.store, *call.language);
        }
        if (call.command == "languages") {
            return listLanguages();
        }
        return compile(call.files[0], call.files[1], *call.language);
    }

  private:
    std::optional<Invocation> parse(const std::vector<std::string>& arguments) {
        struct Form {
            const char* command;
            std::size_t files;
            bool takesStore;
            const char* operands;
            bool takesLanguage;
        };
        static const Form forms[] = {
            {"pack", 2, false, "PLAIN STORE", false},
            {"unpack", 2, false, "STORE PLAIN", false},
            {"list", 1, true, "[--store] FILE", false},
            {"check", 1, true, "[--language CODE] [--store] FILE", true},
            {"compile", 2, false, "[--language CODE] SOURCE PLAIN", true},
            {"languages", 0, false, "", false},
        };
        Invocation call{arguments[0], {}, false};
        const Form* form = nullptr;
        for (const Form& candidate : forms) {
            if (call.command == candidate.command) {
                form = &candidate;
            }
        }
        if (form == nullptr) {
            err_ << programName << "unknown command \"" << call.command << "\" (see --help)\n";
            return std::nullopt;
        }
        for (std::size_t i = 1; i < arguments.size(); ++i) {
            const std::string& argument = arguments[i];
            if (argument == "--store" && form->takesStore) {
                call.store = true;
            } else if (argument == "--language" && form->takesLanguage) {
                if (i + 1 == arguments.size() || findLanguage(arguments[i + 1]) == nullptr) {
                    err_ << programName << call.command << ": --language takes the code of a "
                         << "language of puzzles/\n";
                    return std::nullopt;
                }
                call.language = findLanguage(arguments[++i]);
            } else if (argument.size() > 1 && argument[0] == '-') {
                err_ << programName << call.command << ": unknown option \"" << argument << "\"\n";
                return std::nullopt;
            } else {
                call.files.push_back(argument);
            }
        }
        if (call.files.size() != form->files) {
            err_ << programName << "usage: tallyrope-puzzles " << call.command << " "
                 << form->operands << "\n";
            return std::nullopt;
        }
        return call;
    }

    std::optional<std::string> read(const std::string& path) {
        std::optional<std::string> text = readTextFile(path);
        if (!text) {
            err_ << programName << "cannot read " << path << "\n";
        }
        return text;
    }

    std::optional<std::string> readDatabase(const std::string& path, bool fromStore) {
        std::optional<std::string> text = read(path);
        if (text && fromStore) {
            text = unscramble(*text);
        }
        return text;
    }

    int write(const std::string& path, const std::string& text) {
        if (!writeTextFileSafely(path, text)) {
            err_ << programName << "cannot write " << path << "; it is left as it was\n";
            return exitFailure;
        }
        return exitSuccess;
    }

    // Reports a transfer between files as read and write report theirs.
    int reportTransfer(Transfer transfer, const std::string& from, const std::string& to) {
        switch (transfer) {
        case Transfer::Done:
            return exitSuccess;
        case Transfer::CannotRead:
            err_ << programName << "cannot read " << from << "\n";
            return exitFailure;
        case Transfer::CannotWrite:
            err_ << programName << "cannot write " << to << "; it is left as it was\n";
            return exitFailure;
        case Transfer::Refused:
            err_ << programName << from
                 << " holds control bytes that the store cannot keep; only printable bytes, "
                    "tabs and line breaks can be stored\n";
            return exitFailure;
        }
        return exitFailure;
    }

    int pack(const std::string& plainPath, const std::string& storePath) {
        return reportTransfer(packStore(plainPath, storePath), plainPath, storePath);
    }

    int unpack(const std::string& storePath, const std::string& plainPath) {
        return reportTransfer(unpackStore(storePath, plainPath), storePath, plainPath);
    }

    int list(const std::string& path, bool fromStore) {
        const std::optional<std::string> text = readDatabase(path, fromStore);
        if (!text) {
            return exitFailure;
        }
        for (const DatabaseRecord& record : splitDatabase(*text).records) {
            out_ << record.puzzle.phrase << '\t' << record.puzzle.hint << '\n';
        }
        return exitSuccess;
    }

    int check(const std::string& path, bool fromStore, const Language& language) {
        const std::optional<std::string> text = readDatabase(path, fromStore);
        if (!text) {
            return exitFailure;
        }
        const std::vector<std::string> problems = checkDatabase(*text, language);
        for (const std::string& problem : problems) {
            out_ << path << ": " << problem << '\n';
        }
        const std::size_t records = splitDatabase(*text).records.size();
        if (!problems.empty()) {
            out_ << path << ": " << problems.size() << " problems in " << records << " records\n";
            return exitRulesBroken;
        }
        out_ << path << ": " << records << " puzzles, all keep the rules\n";
        return exitSuccess;
    }

    int listLanguages() {
        for (const Language& language : languages()) {
            out_ << language.code << ' ' << Paths::inFolder("", language.code).LoadsFile << '\n';
        }
        return exitSuccess;
    }

    int compile(const std::string& sourcePath, const std::string& plainPath,
                const Language& language) {
        const std::optional<std::string> source = read(sourcePath);
        if (!source) {
            return exitFailure;
        }
        const CompiledCollection collection = compileCollection(*source, sourcePath, language);
        if (!collection.refusals.empty()) {
            for (const std::string& refusal : collection.refusals) {
                err_ << refusal << '\n';
            }
            err_ << programName << collection.refusals.size() << " problems in " << sourcePath
                 << "; " << plainPath << " is not written\n";
            return exitRulesBroken;
        }
        const int written = write(plainPath, collection.database);
        if (written == exitSuccess) {
            out_ << sourcePath << ": " << collection.puzzles << " puzzles written to " << plainPath
                 << '\n';
        }
        return written;
    }

    std::ostream& out_;
    std::ostream& err_;
};

} // namespace

int runPuzzleTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    return Tool(out, err).run(arguments);
}

} // namespace tallyrope::puzzles
