// Movie files: JSON with the stage (size, colour), the cast (plug-in members with their
// saved blocks, bitmap members with their BMP, both base64) and the score. Loading checks
// the whole file before it replaces the movie, so a bad file leaves the movie as it was.
#include <fstream>
#include <iterator>

#include <nlohmann/json.hpp>

#include "base64.h"
#include "dib.h"
#include "host_impl.h"

namespace zxhost {
namespace {

using nlohmann::json;

constexpr const char* kFormat = "zentrix-movie";
constexpr int kVersion = 1;

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
        const json& value = field(object, key, name);
        if (!value.is_number_integer()) {
            fail(key + "." + name, "not an integer");
        }
        const auto n = value.get<int64_t>();
        if (n < INT32_MIN || n > INT32_MAX) {
            fail(key + "." + name, "out of range");
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

MovieData parse(const std::string& path, Host& host) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw Error(path + ": cannot read the file");
    }
    const std::string content((std::istreambuf_iterator<char>(file)),
                              std::istreambuf_iterator<char>());
    json root;
    try {
        root = json::parse(content);
    } catch (const json::parse_error& error) {
        // Line of the byte where parsing stopped.
        size_t line = 1;
        for (size_t i = 0; i < std::min(error.byte, content.size()); ++i) {
            line += content[i] == '\n';
        }
        throw Error(path + ":" + std::to_string(line) + ": invalid JSON (byte " +
                    std::to_string(error.byte) + ")");
    }
    Reader r(path);
    if (!root.is_object()) {
        r.fail("(top)", "not a JSON object");
    }
    if (root.contains("format") && root["format"] != kFormat) {
        r.fail("format", "not a Zentrix movie");
    }
    if (root.contains("version") && root["version"] != kVersion) {
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
        if (movie.width < 1 || movie.height < 1 || movie.width > kMaxDibSide ||
            movie.height > kMaxDibSide) {
            r.fail("stage", "size out of range");
        }
        if (stage.contains("color")) {
            movie.color = static_cast<uint32_t>(r.integer(stage, "stage", "color")) & 0xFFFFFF;
        }
    }

    const json& cast = r.field(root, "(top)", "cast");
    if (!cast.is_array()) {
        r.fail("cast", "not a list");
    }
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
        for (const auto& other : movie.cast) {
            if (other.name == c.name) {
                r.fail(key + ".name", "duplicate member name '" + c.name + "'");
            }
        }
        c.kind = r.text(entry, key, "kind");
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
            bool known = false;
            for (const auto& c : movie.cast) {
                known = known || c.name == s.member;
            }
            if (!known) {
                r.fail(key + ".member", "no member named '" + s.member + "'");
            }
            const json& rect = r.field(entry, key, "rect");
            if (!rect.is_object()) {
                r.fail(key + ".rect", "not an object");
            }
            const std::string rectKey = key + ".rect";
            s.rect = Rect{r.integer(rect, rectKey, "left"), r.integer(rect, rectKey, "top"),
                          r.integer(rect, rectKey, "right"), r.integer(rect, rectKey, "bottom")};
            if (entry.contains("ink")) {
                s.ink = r.integer(entry, key, "ink");
            }
            if (entry.contains("params")) {
                const json& params = entry["params"];
                if (!params.is_array() || params.size() > 4) {
                    r.fail(key + ".params", "not a list of up to 4 integers");
                }
                for (size_t p = 0; p < params.size(); ++p) {
                    if (!params[p].is_number_integer()) {
                        r.fail(key + ".params[" + std::to_string(p) + "]", "not an integer");
                    }
                    s.params[p] = static_cast<int32_t>(params[p].get<int64_t>());
                }
            }
            movie.score.push_back(s);
        }
    }
    return movie;
}

} // namespace

void Host::saveMovie(const std::string& path) {
    json root;
    root["format"] = kFormat;
    root["version"] = kVersion;
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
        }
        cast.push_back(entry);
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
}

std::vector<std::string> Host::loadMovie(const std::string& path) {
    const MovieData movie = parse(path, *this);
    clearMovie();
    stage().setSize(movie.width, movie.height);
    stage().setColor(movie.color);
    std::vector<std::string> warnings;
    for (const auto& c : movie.cast) {
        try {
            if (c.kind == "bitmap") {
                newBitmapMemberFromBytes(c.name, c.bytes);
                continue;
            }
            Member& member = newMember(c.kind, c.name);
            if (c.bytes.empty()) {
                continue; // a member saved without a block keeps its defaults
            }
            const int32_t expected = member.savedSize();
            const int32_t loaded = member.load(c.bytes);
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
            clearMovie();
            throw Error(path + ": " + c.key + ": " + error.what());
        }
    }
    for (const auto& s : movie.score) {
        try {
            addSprite(*member(s.member), s.rect, s.ink, s.params);
        } catch (const Error& error) {
            clearMovie();
            throw Error(path + ": " + s.key + ": " + error.what());
        }
    }
    for (const auto& w : warnings) {
        platform::logEvent(Message{"warning", w, "", 0});
    }
    return warnings;
}

} // namespace zxhost
