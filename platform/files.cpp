// Byte-level files.
#include "platform/files.h"

#include <string>

namespace platform {

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        other.handle_ = nullptr;
    }
    return *this;
}

File::~File() { Close(); }

bool File::Close() {
    if (!handle_) return false;
    bool closed = std::fclose(handle_) == 0;
    handle_ = nullptr;
    return closed;
}

namespace {

std::optional<File> Open(std::string_view path, const char* mode) {
    std::FILE* handle = std::fopen(std::string(path).c_str(), mode);
    if (!handle) return std::nullopt;
    return File(handle);
}

}  // namespace

std::optional<File> OpenReadFile(std::string_view path) { return Open(path, "rb"); }

std::optional<File> OpenWriteFile(std::string_view path) { return Open(path, "wb"); }

std::optional<std::int32_t> ReadInt32(File& file) {
    unsigned char bytes[4];
    if (!file.Handle() || std::fread(bytes, 1, 4, file.Handle()) != 4) return std::nullopt;
    std::uint32_t value =
        bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    return static_cast<std::int32_t>(value);
}

bool WriteInt32(File& file, std::int32_t value) {
    if (!file.Handle()) return false;
    auto bits = static_cast<std::uint32_t>(value);
    unsigned char bytes[4] = {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
                              static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
    return std::fwrite(bytes, 1, 4, file.Handle()) == 4;
}

std::string ReadTextLine(File& file) {
    std::string line;
    if (!file.Handle()) return line;
    for (int c = std::fgetc(file.Handle()); c != EOF && c != '\n' && c != 0; c = std::fgetc(file.Handle()))
        if (c != '\r') line.push_back(static_cast<char>(c));
    return line;
}

bool WriteTextLine(File& file, std::string_view text) {
    if (!file.Handle()) return false;
    return std::fwrite(text.data(), 1, text.size(), file.Handle()) == text.size() &&
           std::fwrite("\r\n", 1, 2, file.Handle()) == 2;
}

bool CloseFile(File& file) { return file.Close(); }

}  // namespace platform
