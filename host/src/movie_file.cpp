// Movie files: JSON with the stage (size, colour), the cast (plug-in members with their
// saved blocks, bitmap members with their BMP, both base64, and the movie's script as
// text) and the score. Loading checks the whole file before it touches the movie, and
// parks the current movie until the new one is complete, so a bad file, a member that
// cannot be made or a failing script leaves the movie as it was.
#include <fstream>
#include <unordered_set>

#include <nlohmann/json.hpp>

#include "base64.h"
#include "dib.h"
#include "file_read.h"
#include "host_impl.h"
#include "parked_movie.h"
#include "saved_text_check.h"

namespace zxhost {
namespace {

using nlohmann::json;

constexpr const char* kFormat = "zentrix-movie";
// Version 2 movies carry a script entry in the cast, which version 1 readers refuse as an
// unknown kind; a movie without a script is still written as version 1, readable by both.
constexpr int kVersion = 1;
constexpr int kScriptVersion = 2;
// The cast entry that holds the movie's script. It is not a member: a member may have the
// same name, and the score cannot show it.
constexpr const char* kScriptKind = "script";
constexpr const char* kScriptEntryName = "movie script";

struct CastEntry {
    std::string name, kind, key;
    std::vector<uint8_t> bytes; // saved block, or BMP file for bitmaps
};

struct ScoreEntry {
    std::string member, key;
    Rect rect;
    int32_t ink = 0;
    std::array<int32_t, 4> params{};
};

struct MovieData {
    int32_t width = 640, height = 480;
    uint32_t color = 0xFFFFFF;
    std::vector<CastEntry> cast;
    std::vector<ScoreEntry> score;
    std::optional<ScriptSource> script;
};

class Reader {
public:
    explicit Reader(std::string path) : path_(std::move(path)) {}

    [[noreturn]] void fail(const std::string& key, const std::string& cause) const {
        throw Error(path_ + ": " + key + ": " + cause);
    }

    const json& field(const json& object, const std::string& key, const char* name) const {
        auto found = object.find(name);
        if (found == object.end()) {
            fail(key, std::string("missing '") + name + "'");
        }
        return *found;
    }

    int32_t integer(const json& object, const std::string& key, const char* name) const {
        return inRange(field(object, key, name), key + "." + name, INT32_MIN, INT32_MAX);
    }

    // Every integer of a movie is in its range or refused, naming the field: nothing is
    // truncated or masked.
    int32_t inRange(const json& value, const std::string& key, int64_t low, int64_t high) const {
        if (!value.is_number_integer()) {
            fail(key, "not an integer");
        }
        // Unsigned JSON numbers above INT64_MAX read back negative through get<int64_t>.
        if (value.is_number_unsigned() && value.get<uint64_t>() > static_cast<uint64_t>(high)) {
            fail(key, "out of range (" + std::to_string(low) + " to " + std::to_string(high) + ")");
        }
        const auto n = value.get<int64_t>();
        if (n < low || n > high) {
            fail(key, "out of range (" + std::to_string(low) + " to " + std::to_string(high) + ")");
        }
        return static_cast<int32_t>(n);
    }

    std::string text(const json& object, const std::string& key, const char* name) const {
        const json& value = field(object, key, name);
        if (!value.is_string()) {
            fail(key + "." + name, "not a string");
        }
        return value.get<std::string>();
    }

    std::vector<uint8_t> bytes(const json& object, const std::string& key, const char* name) const {
        auto decoded = base64Decode(text(object, key, name));
        if (!decoded) {
            fail(key + "." + name, "not valid base64");
        }
        return *decoded;
    }

private:
    std::string path_;
};

// The line holding a byte offset (1-based).
size_t lineOf(const std::string& content, size_t byte) {
    size_t line = 1;
    for (size_t i = 0; i < std::min(byte, content.size()); ++i) {
        line += content[i] == '\n';
    }
    return line;
}

MovieData parse(const std::string& path, Host& host) {
    const std::string content = readWholeFile(path);
    json root;
    try {
        root = json::parse(content);
    } catch (const json::parse_error& error) {
        throw Error(path + ":" + std::to_string(lineOf(content, error.byte)) +
                    ": invalid JSON (byte " + std::to_string(error.byte) + ")");
    } catch (const json::out_of_range& error) {
        // A number too large for a double (1e400): the parser names the text, which is
        // found again for its line.
        const std::string what = error.what();
        const size_t open = what.find('\''), close = what.rfind('\'');
        std::string number;
        if (open != std::string::npos && close > open) {
            number = what.substr(open + 1, close - open - 1);
        }
        const size_t at = number.empty() ? std::string::npos : content.find(number);
        const std::string place =
            at == std::string::npos ? "" : ":" + std::to_string(lineOf(content, at));
        throw Error(path + place + ": invalid JSON: number " +
                    (number.empty() ? std::string() : number + " ") + "is out of range");
    } catch (const json::exception&) {
        throw Error(path + ": invalid JSON");
    }
    Reader r(path);
    if (!root.is_object()) {
        r.fail("(top)", "not a JSON object");
    }
    if (root.contains("format") && root["format"] != kFormat) {
        r.fail("format", "not a Zentrix movie");
    }
    if (root.contains("version") && root["version"] != kVersion &&
        root["version"] != kScriptVersion) {
        r.fail("version", "unsupported version");
    }

    MovieData movie;
    if (root.contains("stage")) {
        const json& stage = root["stage"];
        if (!stage.is_object()) {
            r.fail("stage", "not an object");
        }
        movie.width = r.integer(stage, "stage", "width");
        movie.height = r.integer(stage, "stage", "height");
        const std::string problem = Stage::sizeProblem(movie.width, movie.height);
        if (!problem.empty()) {
            r.fail("stage", problem);
        }
        if (stage.contains("color")) {
            movie.color =
                static_cast<uint32_t>(r.inRange(stage["color"], "stage.color", 0, 0xFFFFFF));
        }
    }

    const json& cast = r.field(root, "(top)", "cast");
    if (!cast.is_array()) {
        r.fail("cast", "not a list");
    }
    std::unordered_set<std::string> names;
    for (size_t i = 0; i < cast.size(); ++i) {
        const std::string key = "cast[" + std::to_string(i) + "]";
        const json& entry = cast[i];
        if (!entry.is_object()) {
            r.fail(key, "not an object");
        }
        CastEntry c;
        c.key = key;
        c.name = r.text(entry, key, "name");
        if (c.name.empty()) {
            r.fail(key + ".name", "empty name");
        }
        c.kind = r.text(entry, key, "kind");
        if (c.kind == kScriptKind) {
            if (movie.script) {
                r.fail(key, "a second movie script (a movie has one)");
            }
            ScriptSource script;
            if (entry.contains("data")) {
                const std::vector<uint8_t> bytes = r.bytes(entry, key, "data");
                script.text.assign(bytes.begin(), bytes.end());
            } else {
                script.text = r.text(entry, key, "text");
            }
            if (entry.contains("chunk")) {
                script.chunk = r.text(entry, key, "chunk");
            }
            movie.script = std::move(script);
            continue;
        }
        if (!names.insert(c.name).second) {
            r.fail(key + ".name", "duplicate member name '" + c.name + "'");
        }
        if (c.kind == "bitmap") {
            c.bytes = r.bytes(entry, key, "bmp");
            try {
                packedDibFromBmp(c.bytes);
            } catch (const Error& error) {
                r.fail(key + ".bmp", error.what());
            }
        } else {
            if (!host.findModule(c.kind)) {
                r.fail(key + ".kind", "unknown kind '" + c.kind + "'");
            }
            if (entry.contains("data")) {
                c.bytes = r.bytes(entry, key, "data");
            }
        }
        movie.cast.push_back(std::move(c));
    }

    if (root.contains("score")) {
        const json& score = root["score"];
        if (!score.is_array()) {
            r.fail("score", "not a list");
        }
        for (size_t i = 0; i < score.size(); ++i) {
            const std::string key = "score[" + std::to_string(i) + "]";
            const json& entry = score[i];
            if (!entry.is_object()) {
                r.fail(key, "not an object");
            }
            ScoreEntry s;
            s.key = key;
            s.member = r.text(entry, key, "member");
            if (!names.count(s.member)) {
                r.fail(key + ".member", "no member named '" + s.member + "'");
            }
            const json& rect = r.field(entry, key, "rect");
            if (!rect.is_object()) {
                r.fail(key + ".rect", "not an object");
            }
            const std::string rectKey = key + ".rect";
            s.rect = Rect{r.integer(rect, rectKey, "left"), r.integer(rect, rectKey, "top"),
                          r.integer(rect, rectKey, "right"), r.integer(rect, rectKey, "bottom")};
            if (!s.rect.withinLimit()) {
                r.fail(rectKey, "rectangle " + describeRect(s.rect) +
                                    " lies outside the coordinate limit of +-" +
                                    std::to_string(kCoordinateLimit));
            }
            if (entry.contains("ink")) {
                s.ink = r.integer(entry, key, "ink");
            }
            if (entry.contains("params")) {
                const json& params = entry["params"];
                if (!params.is_array() || params.size() > 4) {
                    r.fail(key + ".params", "not a list of up to 4 integers");
                }
                for (size_t p = 0; p < params.size(); ++p) {
                    s.params[p] = r.inRange(params[p], key + ".params[" + std::to_string(p) + "]",
                                            INT32_MIN, INT32_MAX);
                }
            }
            movie.score.push_back(s);
        }
    }
    return movie;
}

// JSON strings are UTF-8: a script that is not (Latin-1 text in a string literal) is kept
// byte for byte as base64 instead of losing its bytes or failing the save.
json scriptEntry(const ScriptSource& script) {
    json entry = {{"name", kScriptEntryName}, {"kind", kScriptKind}};
    const auto asText = [](const std::string& text) {
        try {
            (void)json(text).dump();
            return true;
        } catch (const json::type_error&) {
            return false;
        }
    };
    if (asText(script.text)) {
        entry["text"] = script.text;
    } else {
        entry["data"] = base64Encode(std::vector<uint8_t>(script.text.begin(), script.text.end()));
    }
    entry["chunk"] = asText(script.chunk) ? script.chunk : std::string("movie script");
    return entry;
}

// Makes the stage, members and sprites of a parsed movie on an empty host; returns the
// loader's warnings. Throws Error "path: key: cause" for a member or sprite that cannot be
// made.
std::vector<std::string> build(Host& host, const std::string& path, const MovieData& movie) {
    host.stage().setSize(movie.width, movie.height);
    host.stage().setColor(movie.color);
    std::vector<std::string> warnings;
    for (const auto& c : movie.cast) {
        try {
            if (c.kind == "bitmap") {
                host.newBitmapMemberFromBytes(c.name, c.bytes);
                continue;
            }
            Member& member = host.newMember(c.kind, c.name);
            if (c.bytes.empty()) {
                continue; // a member saved without a block keeps its defaults
            }
            const int32_t expected = member.savedSize();
            std::string sizeWarning; // reported below in the movie's own words
            const int32_t loaded = member.load(c.bytes, &sizeWarning);
            if (expected >= 0 && static_cast<int32_t>(c.bytes.size()) != expected) {
                warnings.push_back(path + ": " + c.key + ".data: member '" + c.name +
                                   "' has a saved block of " + std::to_string(c.bytes.size()) +
                                   " bytes where its kind saves " + std::to_string(expected) +
                                   "; it keeps its defaults");
            } else if (loaded != 0) {
                warnings.push_back(path + ": " + c.key + ".data: LoadProps of member '" + c.name +
                                   "' failed: " + hexCode(loaded));
            }
        } catch (const Error& error) {
            throw Error(path + ": " + c.key + ": " + error.what());
        }
    }
    for (const auto& s : movie.score) {
        try {
            host.addSprite(*host.member(s.member), s.rect, s.ink, s.params);
        } catch (const Error& error) {
            throw Error(path + ": " + s.key + ": " + error.what());
        }
    }
    return warnings;
}

} // namespace

std::vector<std::string> Host::saveMovie(const std::string& path, const std::string& shownPath) {
    std::vector<std::string> warnings;
    const std::optional<ScriptSource>& script = impl_->movieScript;
    json root;
    root["format"] = kFormat;
    root["version"] = script ? kScriptVersion : kVersion;
    root["stage"] = {{"width", stage().width()},
                     {"height", stage().height()},
                     {"color", static_cast<int64_t>(stage().color())}};
    json cast = json::array();
    for (Member* member : members()) {
        json entry = {{"name", member->name()}, {"kind", member->kind()}};
        if (member->isBitmap()) {
            entry["bmp"] = base64Encode(bmpFromPackedDib(member->dib()));
        } else {
            int32_t code = 0;
            const std::vector<uint8_t> block = member->save(&code);
            if (code != 0) {
                throw Error(path + ": cannot save member '" + member->name() +
                            "': SaveProps failed: " + hexCode(code));
            }
            entry["data"] = base64Encode(block);
            for (const std::string& loss : savedTextLosses(*impl_, *member, block)) {
                warnings.push_back((shownPath.empty() ? path : shownPath) + ": " + loss);
            }
        }
        cast.push_back(entry);
    }
    if (script) {
        cast.push_back(scriptEntry(*script));
    }
    root["cast"] = cast;
    json score = json::array();
    for (Sprite* sprite : sprites()) {
        const Rect& r = sprite->rect();
        score.push_back(
            {{"member", sprite->member().name()},
             {"rect", {{"left", r.left}, {"top", r.top}, {"right", r.right}, {"bottom", r.bottom}}},
             {"ink", sprite->ink()},
             {"params", sprite->inkParams()}});
    }
    root["score"] = score;

    // Written beside the target and renamed, so a failure leaves no partial file.
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) {
            throw Error(path + ": cannot write the file");
        }
        file << root.dump(2) << '\n';
        if (!file.flush()) {
            std::remove(temporary.c_str());
            throw Error(path + ": cannot write the file");
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw Error(path + ": cannot write the file");
    }
    for (const auto& w : warnings) {
        platform::logEvent(Message{"warning", w, "", 0});
    }
    return warnings;
}

std::vector<std::string> Host::loadMovie(const std::string& path,
                                         const std::function<void()>& start) {
    const MovieData movie = parse(path, *this);
    ParkedMovie parked(*impl_);
    std::vector<std::string> warnings;
    try {
        warnings = build(*this, path, movie);
        impl_->movieScript = movie.script;
        // Logged before the script starts, so that its start handler can see them.
        for (const auto& w : warnings) {
            platform::logEvent(Message{"warning", w, "", 0});
        }
        if (start) {
            start();
        }
    } catch (...) {
        parked.restore();
        throw;
    }
    return warnings;
}

} // namespace zxhost
