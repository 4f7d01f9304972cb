#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// A file is replaced through a temporary file beside it, named after it, the writing process and a counter:
// "TarnDock.ini.1234-0.tmp". A process that is killed while it writes leaves such a file behind.
std::string ReplaceTemporaryName(std::string_view targetName, unsigned long processId, unsigned counter);

// The writing process of a temporary file of that pattern for `targetName` (compared without regard to ASCII
// case, as the file system does), or nothing for any other name.
std::optional<unsigned long> ReplaceTemporaryOwner(std::string_view fileName, std::string_view targetName);

// The steps of a replace, each one call of the platform. Again: worth another try, for a temporary name that is
// taken already, or a target that another program holds open for a moment.
class ReplaceSteps {
public:
    enum class Result { Done, Again, Failed };
    virtual ~ReplaceSteps() = default;
    // A new file, open for writing.
    virtual Result Create(const std::string& path) = 0;
    // Writes the first of the bytes (at least one) to the open file and gives how many; 0 when it fails.
    virtual std::size_t Write(std::string_view bytes) = 0;
    virtual bool Flush() = 0;
    virtual bool Close() = 0;
    // The closed file under the target's name, in place of the target.
    virtual Result Rename(const std::string& from, const std::string& to) = 0;
    // Waits a moment before the next try of a rename.
    virtual void Pause() = 0;
    virtual void Delete(const std::string& path) = 0;
};

// Replaces the target as a whole: the bytes go to a new temporary file beside it, which is flushed, closed and
// renamed over the target, tried again a few times while the target is held. On any failure the temporary file
// is deleted, the target left as it was, and false returned.
bool ReplaceThroughTemporary(ReplaceSteps& steps, const std::string& target, std::string_view bytes,
                             unsigned long processId);

}  // namespace tarn
