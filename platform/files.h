// Byte-level files in the working directory (the settings file).
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// An open file; closed (and flushed) by CloseFile or when it goes away.
class File {
public:
    explicit File(std::FILE* handle) : handle_(handle) {}
    File(File&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    std::FILE* Handle() const { return handle_; }
    // False when flushing or closing failed, or nothing was open.
    bool Close();

private:
    std::FILE* handle_;
};

// Nothing when the file cannot be opened. Writing creates or truncates.
std::optional<File> OpenReadFile(std::string_view path);
std::optional<File> OpenWriteFile(std::string_view path);

// 4 bytes, little-endian, signed. Nothing when fewer than 4 bytes remain.
// Writing answers false when the bytes could not all be written.
std::optional<std::int32_t> ReadInt32(File& file);
[[nodiscard]] bool WriteInt32(File& file, std::int32_t value);

// Bytes up to a line feed, a zero byte or the end of the file; carriage
// returns are dropped. At the end of the file: an empty text.
std::string ReadTextLine(File& file);

// The low byte of each character, then carriage return and line feed; false
// when they could not all be written.
[[nodiscard]] bool WriteTextLine(File& file, std::string_view text);

// Flushes and closes; false when the flush or the close failed (a full disk
// shows only here), or the file was not open.
[[nodiscard]] bool CloseFile(File& file);

}  // namespace platform
