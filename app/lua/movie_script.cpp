// The Lua state of a movie script: standard libraries, the movie API, running files and
// turning every failure into one line "file:line: cause".
#include "zxlua/movie_script.h"

#include "binding.h"

#include <fstream>
#include <sstream>

namespace zxlua {

namespace {

// The error object on top of the stack as one line.
std::string errorText(lua_State* L) {
    size_t length = 0;
    const char* text = luaL_tolstring(L, -1, &length);
    std::string message(text, length);
    lua_pop(L, 2);
    for (char& c : message) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return message;
}

// Lets `require` find modules beside the script.
void addScriptFolderToPath(lua_State* L, const std::filesystem::path& dir) {
    lua_getglobal(L, "package");
    lua_getfield(L, -1, "path");
    const std::string path = (dir / "?.lua").string() + ";" + lua_tostring(L, -1);
    lua_pop(L, 1);
    lua_pushstring(L, path.c_str());
    lua_setfield(L, -2, "path");
    lua_pop(L, 1);
}

} // namespace

MovieScript::MovieScript(zxhost::Host& host) : binding_(std::make_unique<Binding>(host)) {
    L_ = luaL_newstate();
    if (!L_) {
        throw ScriptError("cannot create a Lua state (out of memory)");
    }
    binding_->L = L_;
    binding_->baseDir = std::filesystem::current_path();
    luaL_openlibs(L_);
    attachBinding(L_, binding_.get());
    openMemberType(L_);
    openSpriteType(L_);
    openStage(L_);
    openCast(L_);
    openScore(L_);
    openHostLibrary(L_);
    openMovie(L_);
    installHandlers(L_);
}

MovieScript::~MovieScript() {
    // The host outlives the script: it must not call into a closed state.
    binding_->host.setHandlerLookup(nullptr);
    lua_close(L_);
}

void MovieScript::runFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw ScriptError(file.string() + ": cannot read the script");
    }
    std::ostringstream text;
    text << in.rdbuf();
    runString(text.str(), file.string(), file.parent_path().empty() ? "." : file.parent_path());
}

void MovieScript::runString(const std::string& code, const std::string& chunkName,
                            const std::filesystem::path& baseDir) {
    binding_->baseDir = baseDir;
    addScriptFolderToPath(L_, baseDir);
    const std::string name = "@" + chunkName;
    if (luaL_loadbuffer(L_, code.data(), code.size(), name.c_str()) != LUA_OK) {
        throw ScriptError(errorText(L_));
    }
    if (lua_pcall(L_, 0, 0, 0) != LUA_OK) {
        throw ScriptError(errorText(L_));
    }
    throwHandlerFailure();
}

void MovieScript::throwHandlerFailure() {
    if (binding_->handlerError.empty()) {
        return;
    }
    const std::string message = std::move(binding_->handlerError);
    binding_->handlerError.clear();
    throw ScriptError(message);
}

const std::vector<std::filesystem::path>& MovieScript::written() const {
    return binding_->written;
}

void MovieScript::onMessage(std::function<void(const zxhost::Message&)> echo) {
    binding_->echo = std::move(echo);
}

void MovieScript::drainMessages() {
    for (const zxhost::Message& m : binding_->host.messages()) {
        if (binding_->echo) {
            binding_->echo(m);
        }
    }
}

} // namespace zxlua
