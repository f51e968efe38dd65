// rcembed: reads a Windows resource script (.rc) and writes a C++ source that embeds every
// resource as a byte array and registers them with libw32 under one module handle.
//
//   rcembed [--depfile FILE] <input.rc> <output.cpp> <module-name>
//   rcembed --deps <input.rc>          prints the bitmap files the script names, one a line
//
// The subset read: preprocessor lines (#include "header" reads the #defines of a header beside
// the script, <system> includes are ignored; #define NAME value, #if/#ifdef/#ifndef/
// #else/#endif), comments, `<id> BITMAP "file.bmp"` and `<id> DIALOG[EX] x, y, w, h` blocks with
// the usual control statements. Bitmaps are stored as packed DIBs (the file header is dropped);
// dialogs as text lines that libw32's dialog code reads:
//   DIALOG\tx\ty\tw\th
//   CAPTION\t<text>
//   FONT\t<size>\t<face>
//   CONTROL\t<id>\t<kind>\tx\ty\tw\th\t<text>
// Kinds: EDIT; CHECKBOX, RADIO (automatic) and PLAINCHECKBOX, PLAINRADIO; BUTTON and DEFBUTTON
// (the default push button); STATIC (left-aligned text), CTEXT, RTEXT; GROUPBOX. A drawing
// needs them apart; the procedure and the driver only see edits, boxes, radios and buttons.
// Texts escape backslash, tab and newline as \\, \t and \n.
// Errors print "file:line: message" and exit with status 1.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Failure {
    int line;
    std::string message;
};

[[noreturn]] void fail(int line, std::string message) {
    throw Failure{line, std::move(message)};
}

// ---- tokens ----------------------------------------------------------------------------------

struct Token {
    enum Kind { Word, String, Punct } kind;
    std::string text;
    int line;
};

std::string upper(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

bool isWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

class Lexer {
public:
    Lexer(const std::string& source, fs::path folder, int depth = 0)
        : src_(source), folder_(std::move(folder)), depth_(depth) {}

    std::vector<Token> run() {
        std::vector<Token> tokens;
        bool lineStart = true;
        while (pos_ < src_.size()) {
            char c = src_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
                lineStart = true;
                continue;
            }
            if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
                continue;
            }
            if (c == '/' && peek(1) == '/') {
                skipToLineEnd();
                continue;
            }
            if (c == '/' && peek(1) == '*') {
                skipBlockComment();
                continue;
            }
            if (c == '#' && lineStart) {
                directive();
                continue;
            }
            lineStart = false;
            if (skipping()) {
                skipToLineEnd();
            } else if (c == '"' || ((c == 'L' || c == 'l') && peek(1) == '"')) {
                tokens.push_back(string());
            } else if (isWordChar(c)) {
                tokens.push_back(word());
            } else {
                tokens.push_back(Token{Token::Punct, std::string(1, c), line_});
                ++pos_;
            }
        }
        if (!conditions_.empty()) {
            fail(line_, "#if without #endif");
        }
        return tokens;
    }

    const std::map<std::string, std::string>& defines() const { return defines_; }
    // The headers that quoted #include lines brought in, for the depfile.
    const std::vector<fs::path>& included() const { return included_; }

private:
    char peek(size_t ahead) const { return pos_ + ahead < src_.size() ? src_[pos_ + ahead] : '\0'; }

    void skipToLineEnd() {
        while (pos_ < src_.size() && src_[pos_] != '\n') {
            ++pos_;
        }
    }

    void skipBlockComment() {
        int start = line_;
        pos_ += 2;
        while (pos_ < src_.size() && !(src_[pos_] == '*' && peek(1) == '/')) {
            if (src_[pos_] == '\n') {
                ++line_;
            }
            ++pos_;
        }
        if (pos_ >= src_.size()) {
            fail(start, "unterminated comment");
        }
        pos_ += 2;
    }

    bool skipping() const {
        return std::any_of(conditions_.begin(), conditions_.end(), [](bool on) { return !on; });
    }

    // Preprocessor lines; a trailing backslash continues a line.
    void directive() {
        int line = line_;
        std::string text;
        while (pos_ < src_.size() && src_[pos_] != '\n') {
            if (src_[pos_] == '\\' && peek(1) == '\n') {
                pos_ += 2;
                ++line_;
                text += ' ';
                continue;
            }
            if (src_[pos_] == '/' && peek(1) == '/') {
                skipToLineEnd();
                break;
            }
            text += src_[pos_++];
        }
        std::istringstream in(text.substr(1));
        std::string name, arg;
        in >> name >> arg;
        std::string rest;
        std::getline(in, rest);
        rest.erase(0, rest.find_first_not_of(" \t"));
        rest.erase(rest.find_last_not_of(" \t\r") + 1);
        if (name == "ifdef") {
            conditions_.push_back(defines_.count(arg) != 0);
        } else if (name == "ifndef") {
            conditions_.push_back(defines_.count(arg) == 0);
        } else if (name == "if") {
            conditions_.push_back(condition(arg));
        } else if (name == "else" || name == "elif") {
            if (conditions_.empty()) {
                fail(line, "#" + name + " without #if");
            }
            conditions_.back() = !conditions_.back() && (name == "else" || condition(arg));
        } else if (name == "endif") {
            if (conditions_.empty()) {
                fail(line, "#endif without #if");
            }
            conditions_.pop_back();
        } else if (skipping()) {
            return;
        } else if (name == "define") {
            if (arg.empty()) {
                fail(line, "#define without a name");
            }
            defines_[arg] = rest;
        } else if (name == "undef") {
            defines_.erase(arg);
        } else if (name == "include" && arg.size() > 2 && arg.front() == '"' && arg.back() == '"') {
            include(line, arg.substr(1, arg.size() - 2));
        }
        // <system> includes, #pragma and the rest: nothing the resources need.
    }

    // A quoted header beside the script: the resource ids it #defines are read, anything
    // else in it is ignored.
    void include(int line, const std::string& name) {
        if (depth_ >= 8) {
            fail(line, "#include nested too deeply");
        }
        const fs::path path = folder_ / name;
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            fail(line, "cannot read '" + path.string() + "'");
        }
        std::ostringstream read;
        read << in.rdbuf();
        const std::string text = read.str();
        Lexer header(text, path.parent_path(), depth_ + 1);
        header.defines_ = defines_;
        header.run();
        defines_ = header.defines_;
        included_.push_back(path);
        included_.insert(included_.end(), header.included_.begin(), header.included_.end());
    }

    // "#if NAME" or "#if 1": a number or a defined name with a non-zero value.
    bool condition(const std::string& arg) const {
        std::string value = arg;
        if (auto d = defines_.find(arg); d != defines_.end()) {
            value = d->second;
        }
        char* end = nullptr;
        long n = std::strtol(value.c_str(), &end, 0);
        return end != value.c_str() && n != 0;
    }

    Token word() {
        size_t start = pos_;
        while (pos_ < src_.size() && isWordChar(src_[pos_])) {
            ++pos_;
        }
        return Token{Token::Word, src_.substr(start, pos_ - start), line_};
    }

    // "..." with "" for a quote and the C escapes \n \t \r \\ \".
    Token string() {
        int line = line_;
        if (src_[pos_] != '"') {
            ++pos_;
        }
        ++pos_;
        std::string text;
        for (;;) {
            if (pos_ >= src_.size() || src_[pos_] == '\n') {
                fail(line, "unterminated string");
            }
            char c = src_[pos_++];
            if (c == '"') {
                if (peek(0) == '"') {
                    text += '"';
                    ++pos_;
                    continue;
                }
                break;
            }
            if (c == '\\' && pos_ < src_.size()) {
                char e = src_[pos_++];
                switch (e) {
                case 'n':
                    text += '\n';
                    break;
                case 't':
                    text += '\t';
                    break;
                case 'r':
                    text += '\r';
                    break;
                case 'a':
                    text += '\a';
                    break;
                case '\\':
                    text += '\\';
                    break;
                case '"':
                    text += '"';
                    break;
                default:
                    text += '\\';
                    text += e;
                }
                continue;
            }
            text += c;
        }
        return Token{Token::String, text, line};
    }

    const std::string& src_;
    size_t pos_ = 0;
    int line_ = 1;
    std::vector<bool> conditions_;
    std::map<std::string, std::string> defines_;
    fs::path folder_;
    int depth_ = 0;
    std::vector<fs::path> included_;
};

// ---- expressions -----------------------------------------------------------------------------

// Values of the names that ids and control styles use. Unknown style names count as 0, since
// only the button type bits decide anything here.
const std::map<std::string, long>& knownNames() {
    static const std::map<std::string, long> names = {{"IDOK", 1},
                                                      {"IDCANCEL", 2},
                                                      {"IDABORT", 3},
                                                      {"IDRETRY", 4},
                                                      {"IDIGNORE", 5},
                                                      {"IDYES", 6},
                                                      {"IDNO", 7},
                                                      {"IDC_STATIC", -1},
                                                      {"BS_PUSHBUTTON", 0},
                                                      {"BS_DEFPUSHBUTTON", 1},
                                                      {"BS_CHECKBOX", 2},
                                                      {"BS_AUTOCHECKBOX", 3},
                                                      {"BS_RADIOBUTTON", 4},
                                                      {"BS_3STATE", 5},
                                                      {"BS_AUTO3STATE", 6},
                                                      {"BS_GROUPBOX", 7},
                                                      {"BS_AUTORADIOBUTTON", 9},
                                                      {"SS_LEFT", 0},
                                                      {"SS_CENTER", 1},
                                                      {"SS_RIGHT", 2}};
    return names;
}

using Group = std::vector<Token>;

class Evaluator {
public:
    Evaluator(const std::map<std::string, std::string>& defines, bool unknownIsZero)
        : defines_(defines), unknownIsZero_(unknownIsZero) {}

    long evaluate(const Group& g, int line) {
        tokens_ = &g;
        pos_ = 0;
        line_ = line;
        if (g.empty()) {
            fail(line, "missing value");
        }
        long v = orExpr();
        if (pos_ != g.size()) {
            fail(line, "unexpected '" + g[pos_].text + "' in an expression");
        }
        return v;
    }

private:
    bool at(const char* p) const {
        return pos_ < tokens_->size() && (*tokens_)[pos_].kind != Token::String &&
               (*tokens_)[pos_].text == p;
    }

    long orExpr() {
        long v = addExpr();
        while (at("|") || at("&")) {
            bool isOr = at("|");
            ++pos_;
            long r = addExpr();
            v = isOr ? (v | r) : (v & r);
        }
        return v;
    }

    long addExpr() {
        long v = unary();
        while (at("+") || at("-")) {
            bool plus = at("+");
            ++pos_;
            long r = unary();
            v = plus ? v + r : v - r;
        }
        return v;
    }

    long unary() {
        if (at("-")) {
            ++pos_;
            return -unary();
        }
        if (at("~") || at("NOT")) {
            ++pos_;
            return ~unary();
        }
        if (at("(")) {
            ++pos_;
            long v = orExpr();
            if (!at(")")) {
                fail(line_, "missing ')'");
            }
            ++pos_;
            return v;
        }
        if (pos_ >= tokens_->size()) {
            fail(line_, "missing value");
        }
        const Token& t = (*tokens_)[pos_++];
        if (t.kind != Token::Word) {
            fail(t.line, "expected a number, found '" + t.text + "'");
        }
        return name(t, 0);
    }

    long name(const Token& t, int depth) {
        if (std::isdigit(static_cast<unsigned char>(t.text[0]))) {
            char* end = nullptr;
            long v = std::strtol(t.text.c_str(), &end, 0);
            std::string suffix = upper(end);
            if (suffix != "" && suffix != "L" && suffix != "U" && suffix != "UL") {
                fail(t.line, "bad number '" + t.text + "'");
            }
            return v;
        }
        if (auto d = defines_.find(t.text); d != defines_.end() && depth < 16) {
            Lexer lexer(d->second, fs::path());
            std::vector<Token> body = lexer.run();
            for (Token& b : body) {
                b.line = t.line;
            }
            Evaluator inner(defines_, unknownIsZero_);
            return inner.evaluate(body, t.line);
        }
        if (auto k = knownNames().find(t.text); k != knownNames().end()) {
            return k->second;
        }
        if (unknownIsZero_) {
            return 0;
        }
        fail(t.line, "unknown identifier '" + t.text + "'");
    }

    const std::map<std::string, std::string>& defines_;
    bool unknownIsZero_;
    const Group* tokens_ = nullptr;
    size_t pos_ = 0;
    int line_ = 0;
};

// ---- resources -------------------------------------------------------------------------------

struct Resource {
    int type; // 2 bitmap, 5 dialog
    int id;
    std::vector<unsigned char> bytes;
};

std::string escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

class Parser {
public:
    Parser(std::vector<Token> tokens, const std::map<std::string, std::string>& defines,
           fs::path folder)
        : t_(std::move(tokens)), defines_(defines), folder_(std::move(folder)) {}

    void run() {
        while (pos_ < t_.size()) {
            const Token& first = t_[pos_];
            std::string key = upper(first.text);
            if (first.kind == Token::Word && key == "LANGUAGE") {
                statement();
                continue;
            }
            if (first.kind == Token::Word && (key == "STRINGTABLE" || key == "VERSIONINFO")) {
                fail(first.line, "unsupported resource " + first.text);
            }
            int id = resourceIdAt(first);
            ++pos_;
            if (pos_ >= t_.size()) {
                fail(first.line, "resource type missing after '" + first.text + "'");
            }
            const Token& type = t_[pos_++];
            std::string typeKey = upper(type.text);
            skipMemoryFlags();
            if (typeKey == "BITMAP") {
                bitmap(id, type);
            } else if (typeKey == "DIALOG" || typeKey == "DIALOGEX") {
                dialog(id, type);
            } else {
                fail(type.line, "unsupported resource type '" + type.text + "'");
            }
        }
    }

    const std::vector<Resource>& resources() const { return resources_; }
    const std::vector<fs::path>& bitmapFiles() const { return bitmaps_; }
    bool readBitmaps = true;

private:
    int resourceIdAt(const Token& t) {
        if (t.kind != Token::Word) {
            fail(t.line, "expected a resource id, found '" + t.text + "'");
        }
        Evaluator e(defines_, false);
        long id = e.evaluate(Group{t}, t.line);
        if (id < 0 || id > 0xFFFF) {
            fail(t.line, "resource id out of range");
        }
        return static_cast<int>(id);
    }

    void skipMemoryFlags() {
        static const char* flags[] = {"DISCARDABLE", "MOVEABLE", "FIXED",     "PURE",
                                      "IMPURE",      "PRELOAD",  "LOADONCALL"};
        while (pos_ < t_.size() && t_[pos_].kind == Token::Word &&
               std::find(std::begin(flags), std::end(flags), upper(t_[pos_].text)) !=
                   std::end(flags)) {
            ++pos_;
        }
    }

    bool isBlockToken(const Token& t) const {
        std::string k = upper(t.text);
        return (t.kind == Token::Punct && (t.text == "{" || t.text == "}")) ||
               (t.kind == Token::Word && (k == "BEGIN" || k == "END"));
    }

    // A statement runs on while its tokens stay on one line, or a line ends or starts with a
    // ',' or '|' (styles are often continued on the next line).
    std::vector<Group> statement() {
        size_t start = pos_++;
        while (pos_ < t_.size() && !isBlockToken(t_[pos_])) {
            const Token& prev = t_[pos_ - 1];
            const Token& next = t_[pos_];
            bool joined = next.line == prev.line ||
                          (prev.kind == Token::Punct && (prev.text == "," || prev.text == "|")) ||
                          (next.kind == Token::Punct && (next.text == "," || next.text == "|")) ||
                          upper(prev.text) == "NOT";
            if (!joined) {
                break;
            }
            ++pos_;
        }
        std::vector<Group> groups(1);
        for (size_t i = start + 1; i < pos_; ++i) {
            if (t_[i].kind == Token::Punct && t_[i].text == ",") {
                groups.emplace_back();
            } else {
                groups.back().push_back(t_[i]);
            }
        }
        if (groups.size() == 1 && groups[0].empty()) {
            groups.clear();
        }
        return groups;
    }

    long number(const Group& g, int line, bool unknownIsZero = false) {
        Evaluator e(defines_, unknownIsZero);
        return e.evaluate(g, line);
    }

    static std::optional<std::string> text(const Group& g) {
        if (g.size() == 1 && g[0].kind == Token::String) {
            return g[0].text;
        }
        return std::nullopt;
    }

    std::string requireText(const Group& g, int line, const char* what) {
        auto s = text(g);
        if (!s) {
            fail(line, std::string("expected a quoted ") + what);
        }
        return *s;
    }

    void bitmap(int id, const Token& type) {
        if (pos_ >= t_.size() || t_[pos_].kind != Token::String) {
            fail(type.line, "BITMAP needs a quoted file name");
        }
        const Token& file = t_[pos_++];
        fs::path path = folder_ / file.text;
        bitmaps_.push_back(path);
        if (!readBitmaps) {
            return;
        }
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            fail(file.line, "cannot read bitmap '" + path.string() + "'");
        }
        std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
        // BITMAPFILEHEADER (14 bytes, "BM") then at least a 40-byte BITMAPINFOHEADER.
        if (bytes.size() < 14 + 40 || bytes[0] != 'B' || bytes[1] != 'M') {
            fail(file.line, "'" + path.string() + "' is not a BMP file");
        }
        bytes.erase(bytes.begin(), bytes.begin() + 14);
        resources_.push_back(Resource{2, id, std::move(bytes)});
    }

    void dialog(int id, const Token& type) {
        pos_--; // the statement reader starts at the keyword
        std::vector<Group> head = statement();
        if (head.size() < 4) {
            fail(type.line, type.text + " needs x, y, width and height");
        }
        std::ostringstream out;
        out << "DIALOG";
        for (int i = 0; i < 4; ++i) {
            out << '\t' << number(head[i], type.line);
        }
        out << '\n';
        // Options up to the body.
        while (pos_ < t_.size() && !isBlockToken(t_[pos_])) {
            const Token& key = t_[pos_];
            std::string k = upper(key.text);
            std::vector<Group> args = statement();
            if (k == "CAPTION") {
                if (args.empty()) {
                    fail(key.line, "CAPTION needs a quoted text");
                }
                out << "CAPTION\t" << escape(requireText(args[0], key.line, "caption")) << '\n';
            } else if (k == "FONT") {
                if (args.size() < 2) {
                    fail(key.line, "FONT needs a size and a face name");
                }
                out << "FONT\t" << number(args[0], key.line) << '\t'
                    << escape(requireText(args[1], key.line, "face name")) << '\n';
            } else if (k != "STYLE" && k != "EXSTYLE" && k != "MENU" && k != "CLASS" &&
                       k != "LANGUAGE" && k != "CHARACTERISTICS" && k != "VERSION") {
                fail(key.line, "unknown dialog option '" + key.text + "'");
            }
        }
        if (pos_ >= t_.size() || !(t_[pos_].text == "{" || upper(t_[pos_].text) == "BEGIN")) {
            fail(type.line, "dialog without BEGIN");
        }
        ++pos_;
        for (;;) {
            if (pos_ >= t_.size()) {
                fail(type.line, "dialog without END");
            }
            const Token& key = t_[pos_];
            if (key.text == "}" || upper(key.text) == "END") {
                ++pos_;
                break;
            }
            if (key.kind != Token::Word) {
                fail(key.line, "expected a control statement, found '" + key.text + "'");
            }
            std::vector<Group> args = statement();
            out << control(key, args);
        }
        std::string payload = out.str();
        resources_.push_back(
            Resource{5, id, std::vector<unsigned char>(payload.begin(), payload.end())});
    }

    std::string control(const Token& key, const std::vector<Group>& args) {
        std::string k = upper(key.text);
        int line = key.line;
        std::string kind;
        std::string label;
        size_t at = 0; // index of the id
        if (k == "EDITTEXT") {
            kind = "EDIT";
        } else {
            if (k == "LTEXT") {
                kind = "STATIC";
            } else if (k == "CTEXT" || k == "RTEXT" || k == "GROUPBOX") {
                kind = k;
            } else if (k == "PUSHBUTTON") {
                kind = "BUTTON";
            } else if (k == "DEFPUSHBUTTON") {
                kind = "DEFBUTTON";
            } else if (k == "AUTOCHECKBOX" || k == "AUTO3STATE") {
                kind = "CHECKBOX";
            } else if (k == "CHECKBOX" || k == "STATE3") {
                kind = "PLAINCHECKBOX";
            } else if (k == "AUTORADIOBUTTON") {
                kind = "RADIO";
            } else if (k == "RADIOBUTTON") {
                kind = "PLAINRADIO";
            } else if (k == "CONTROL") {
                kind = "CONTROL";
            } else {
                fail(line, "unsupported control statement '" + key.text + "'");
            }
            if (args.empty()) {
                fail(line, key.text + " needs a text");
            }
            // CONTROL may name an icon by number instead of a text.
            label = text(args[0]).value_or("");
            if (kind != "CONTROL" && !text(args[0])) {
                fail(line, key.text + " needs a quoted text");
            }
            at = 1;
        }
        size_t needed = at + (kind == "CONTROL" ? 7 : 5);
        if (args.size() < needed) {
            fail(line, key.text + " has too few arguments");
        }
        long id = number(args[at], line);
        size_t geometry = at + 1;
        if (kind == "CONTROL") {
            kind = controlClass(args[at + 1], number(args[at + 2], line, true), line);
            geometry = at + 3;
        }
        std::ostringstream out;
        out << "CONTROL\t" << id << '\t' << kind;
        for (size_t i = geometry; i < geometry + 4; ++i) {
            out << '\t' << number(args[i], line);
        }
        out << '\t' << escape(label) << '\n';
        return out.str();
    }

    std::string controlClass(const Group& g, long style, int line) {
        std::string cls;
        if (auto s = text(g)) {
            cls = upper(*s);
        } else if (g.size() == 1 && g[0].kind == Token::Word) {
            cls = upper(g[0].text);
        } else {
            fail(line, "CONTROL needs a class name");
        }
        if (cls == "EDIT") {
            return "EDIT";
        }
        if (cls == "STATIC") {
            // SS_CENTER 1, SS_RIGHT 2; the other static styles draw left-aligned text here.
            switch (style & 0x1F) {
            case 1:
                return "CTEXT";
            case 2:
                return "RTEXT";
            default:
                return "STATIC";
            }
        }
        if (cls != "BUTTON") {
            fail(line, "unsupported control class '" + cls + "'");
        }
        switch (style & 0xF) {
        case 2:
        case 5:
            return "PLAINCHECKBOX";
        case 3:
        case 6:
            return "CHECKBOX";
        case 4:
            return "PLAINRADIO";
        case 9:
            return "RADIO";
        case 7:
            return "GROUPBOX";
        case 1:
            return "DEFBUTTON";
        default:
            return "BUTTON";
        }
    }

    std::vector<Token> t_;
    const std::map<std::string, std::string>& defines_;
    fs::path folder_;
    size_t pos_ = 0;
    std::vector<Resource> resources_;
    std::vector<fs::path> bitmaps_;
};

// ---- output ----------------------------------------------------------------------------------

// A C++ string literal of the text.
std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

std::string generate(const std::vector<Resource>& resources, const std::string& input,
                     const std::string& module) {
    std::ostringstream out;
    out << "// Generated by rcembed from " << fs::path(input).filename().string()
        << ". Do not edit.\n";
    out << "#include <zxw32/kernel_ext.h>\n\nnamespace {\n\n";
    // Aligned so that a locked bitmap can be read as a BITMAPINFOHEADER in place.
    for (size_t i = 0; i < resources.size(); ++i) {
        const Resource& r = resources[i];
        out << "// " << (r.type == 2 ? "bitmap " : "dialog ") << r.id << "\n";
        out << "alignas(8) const unsigned char resource" << i << "[" << r.bytes.size() << "] = {";
        for (size_t b = 0; b < r.bytes.size(); ++b) {
            if (b % 16 == 0) {
                out << "\n   ";
            }
            out << ' ' << static_cast<int>(r.bytes[b]) << ',';
        }
        out << "\n};\n\n";
    }
    out << "const zxw32::ResourceEntry entries[] = {\n";
    for (size_t i = 0; i < resources.size(); ++i) {
        out << "    {" << resources[i].type << ", " << resources[i].id << ", resource" << i
            << ", sizeof resource" << i << "},\n";
    }
    if (resources.empty()) {
        out << "    {0, 0, nullptr, 0},\n";
    }
    out << "};\n\n";
    out << "struct Registration {\n"
           "    HMODULE handle;\n"
           "    Registration()\n"
           "        : handle(zxw32::registerModule("
        << quoted(module) << ", entries, " << resources.size()
        << ")) {}\n"
           "    ~Registration() { zxw32::unregisterModule(handle); }\n"
           "};\n\n"
           "// Created on first use, so a static initialiser elsewhere in the module may ask\n"
           "// for the handle before this file's initialisers have run.\n"
           "Registration& registration() {\n"
           "    static Registration r;\n"
           "    return r;\n"
           "}\n\n"
           "const bool registeredAtLoad = (registration(), true);\n\n"
           "} // namespace\n\n"
           "// Hidden, so that each module's own definition answers even when several modules\n"
           "// (or a program that embeds resources too) share one process.\n"
           "__attribute__((visibility(\"hidden\"))) HMODULE zxModuleHandle() {\n"
           "    return registration().handle;\n"
           "}\n";
    return out.str();
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot open the file\n", path.c_str());
        std::exit(1);
    }
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

int usage() {
    std::fprintf(stderr, "usage: rcembed [--depfile FILE] <input.rc> <output.cpp> <module-name>\n"
                         "       rcembed --deps <input.rc>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool depsOnly = false;
    std::string depfile;
    if (!args.empty() && args[0] == "--deps") {
        depsOnly = true;
        args.erase(args.begin());
    } else if (args.size() >= 2 && args[0] == "--depfile") {
        depfile = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if ((depsOnly && args.size() != 1) || (!depsOnly && args.size() != 3)) {
        return usage();
    }
    const std::string& input = args[0];
    std::string source = readFile(input);
    try {
        Lexer lexer(source, fs::path(input).parent_path());
        std::vector<Token> tokens = lexer.run();
        Parser parser(std::move(tokens), lexer.defines(), fs::path(input).parent_path());
        parser.readBitmaps = !depsOnly;
        parser.run();
        if (depsOnly) {
            for (const fs::path& p : parser.bitmapFiles()) {
                std::printf("%s\n", p.string().c_str());
            }
            return 0;
        }
        std::string code = generate(parser.resources(), input, args[2]);
        std::ofstream out(args[1], std::ios::binary);
        out << code;
        if (!out.flush()) {
            std::fprintf(stderr, "%s: cannot write the file\n", args[1].c_str());
            return 1;
        }
        if (!depfile.empty()) {
            std::ofstream d(depfile);
            d << args[1] << ":";
            for (const fs::path& p : parser.bitmapFiles()) {
                d << " " << p.string();
            }
            for (const fs::path& p : lexer.included()) {
                d << " " << p.string();
            }
            d << "\n";
        }
    } catch (const Failure& f) {
        std::fprintf(stderr, "%s:%d: %s\n", input.c_str(), f.line, f.message.c_str());
        return 1;
    }
    return 0;
}
