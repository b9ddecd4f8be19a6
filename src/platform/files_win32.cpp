// File access on Windows: wide paths, so that any folder name works whatever the code page.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "base/files.h"
#include "platform/utf16_win32.h"

namespace kvelt {
namespace {

std::string describe(const std::string& path, DWORD error) {
  wchar_t* text = nullptr;
  DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message =
      length > 0 ? std::wstring(text, length) : L"error " + std::to_wstring(error);
  if (text != nullptr) ::LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                              message.back() == L' ' || message.back() == L'.')) {
    message.pop_back();
  }
  return path + ": " + toUtf8(message);
}

StatusKind kindOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return StatusKind::notFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_CANT_ACCESS_FILE:
      return StatusKind::corrupt;
    default:
      return StatusKind::ioFailure;
  }
}

Status failure(const std::string& path, DWORD error) {
  return Status::error(kindOf(error), describe(path, error));
}

Status lastFailure(const std::string& path) {
  return failure(path, ::GetLastError());
}

// How long a second program waits for the folder before it says it is busy: a save takes a few
// flushes, so anything longer is a program that holds it for good.
constexpr auto kLockWait = std::chrono::seconds(2);
constexpr auto kLockRetry = std::chrono::milliseconds(20);
constexpr const char* kLockName = "kvelt.lock";

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() { close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  bool close() {
    if (!valid()) return true;
    BOOL closed = ::CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed != FALSE;
  }

 private:
  HANDLE handle_;
};

// The lock on the first byte of kvelt.lock goes with the handle; the file itself stays.
class Win32FolderLock : public FolderLock {
 public:
  explicit Win32FolderLock(HANDLE file) : file_(file) {}
  ~Win32FolderLock() override { ::CloseHandle(file_); }
  Win32FolderLock(const Win32FolderLock&) = delete;
  Win32FolderLock& operator=(const Win32FolderLock&) = delete;

 private:
  HANDLE file_;
};

// Writes all of `content`, in pieces WriteFile can take; false with GetLastError set on a failure.
bool writeAll(HANDLE file, const std::string& content) {
  const char* next = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    const DWORD chunk = left > (1u << 30) ? (1u << 30) : DWORD(left);
    DWORD put = 0;
    if (!::WriteFile(file, next, chunk, &put, nullptr)) return false;
    next += put;
    left -= put;
  }
  return true;
}

class Win32Files : public Files {
 public:
  using Files::read;
  Status read(const std::string& path, std::string& content, std::size_t limit,
              Links links) override {
    // With FILE_FLAG_OPEN_REPARSE_POINT a link is opened itself, so that it can be seen and
    // refused rather than followed.
    const DWORD flags =
        FILE_ATTRIBUTE_NORMAL | (links == Links::refuse ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
    Handle file(::CreateFileW(toUtf16(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, flags, nullptr));
    if (!file.valid()) return lastFailure(path);
    // Straight into `content`, whose room is kept from the last call (the catalogue is read for
    // every message); the size is only a first guess, reading goes on to the end of the file.
    // A device or a pipe given a file's name never ends; only a file on a disk is read.
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
      return Status::error(StatusKind::corrupt, path + ": not a file");
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.get(), &info)) return lastFailure(path);
    if ((info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
      return Status::error(StatusKind::corrupt, path + ": not a file");
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size)) return lastFailure(path);
    if (std::uint64_t(size.QuadPart) > limit) {
      return Status::error(StatusKind::corrupt, path + ": too large");
    }
    const std::size_t expected = size.QuadPart > 0 ? std::size_t(size.QuadPart) : 0;
    content.resize(std::max<std::size_t>(expected + 1, 4096));
    std::size_t total = 0;
    for (;;) {
      if (total == content.size()) content.resize(content.size() * 2);
      const DWORD want = DWORD(std::min<std::size_t>(content.size() - total, 1u << 30));
      DWORD got = 0;
      if (!::ReadFile(file.get(), content.data() + total, want, &got, nullptr)) {
        const DWORD error = ::GetLastError();
        content.clear();
        return failure(path, error);
      }
      if (got == 0) break;
      total += got;
      if (total > limit) return Status::error(StatusKind::corrupt, path + ": too large");
    }
    content.resize(total);
    return Status::ok();
  }

  Status create(const std::string& path, const std::string& content) override {
    Handle file(::CreateFileW(toUtf16(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return lastFailure(path);
    if (!writeAll(file.get(), content)) return lastFailure(path);
    if (!::FlushFileBuffers(file.get()) || !file.close()) {
      return lastFailure(path);
    }
    return Status::ok();
  }

  Status rename(const std::string& from, const std::string& to) override {
    if (!::MoveFileExW(toUtf16(from).c_str(), toUtf16(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return lastFailure(to);
    }
    return Status::ok();
  }

  Status remove(const std::string& path) override {
    if (!::DeleteFileW(toUtf16(path).c_str())) {
      DWORD error = ::GetLastError();
      if (error != ERROR_FILE_NOT_FOUND) return failure(path, error);
    }
    return Status::ok();
  }

  // A folder cannot be flushed on Windows; MOVEFILE_WRITE_THROUGH has already waited for each
  // move to reach the disk.
  Status syncDir(const std::string&) override { return Status::ok(); }

  Status list(const std::string& dir, std::vector<DirEntry>& entries) override {
    WIN32_FIND_DATAW found{};
    HANDLE search =
        ::FindFirstFileW(toUtf16(joinPath(dir.empty() ? "." : dir, "*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return lastFailure(dir);
    entries.clear();
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      entries.push_back({toUtf8(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (::FindNextFileW(search, &found));
    DWORD error = ::GetLastError();
    ::FindClose(search);
    if (error != ERROR_NO_MORE_FILES) return failure(dir, error);
    return Status::ok();
  }

  Status lockFolder(const std::string& dir, std::unique_ptr<FolderLock>& lock) override {
    lock.reset();
    const std::string path = joinPath(dir, kLockName);
    HANDLE file = ::CreateFileW(toUtf16(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
      return Status::ok();  // read-only or missing: nothing to guard
    const auto giveUp = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
      OVERLAPPED at{};
      if (::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        lock = std::make_unique<Win32FolderLock>(file);
        return Status::ok();
      }
      if (::GetLastError() != ERROR_LOCK_VIOLATION) break;  // no locks on this disk
      if (std::chrono::steady_clock::now() >= giveUp) {
        ::CloseHandle(file);
        return Status::error(StatusKind::busy, path + ": held by another program");
      }
      std::this_thread::sleep_for(kLockRetry);
    }
    ::CloseHandle(file);
    return Status::ok();
  }

  std::string processTag() override { return std::to_string(::GetCurrentProcessId()); }

  bool otherProgramRunning(const std::string& tag) override {
    const auto id = DWORD(std::strtoul(tag.c_str(), nullptr, 10));
    if (id == 0 || std::to_string(id) != tag || id == ::GetCurrentProcessId()) return false;
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (process == nullptr) return ::GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = ::GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    ::CloseHandle(process);
    return running;
  }
};

}  // namespace

Files& systemFiles() {
  static Win32Files files;
  return files;
}

std::string joinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (dir.back() == '\\' || dir.back() == '/') return dir + name;
  return dir + "\\" + name;
}

}  // namespace kvelt
