#pragma once
#include "framework/Document.h"

// Document files on the Windows file system. Saving writes a temporary file
// in the folder of the file a path leads to (through a symbolic link, to
// its target) and moves it over that file only when complete.
class CDocumentFilesWin : public IDocumentFiles {
public:
    std::unique_ptr<IByteSource> OpenForReading(const std::string& path, std::uint64_t& size,
                                                std::string& errorText) override;
    bool WriteReplacing(const std::string& path, const std::function<bool(IByteSink&)>& writer,
                        std::string& keptFile) override;
    bool IsWritableFile(const std::string& path) override;
};
