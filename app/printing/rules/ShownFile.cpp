// The text of a file as the rich-text window shows it: whole, or its end under a note.
#include "app/printing/rules/ShownFile.h"

#include "app/printing/rules/PrintText.h"
#include "common/RegularFile.h"
#include "common/ServerError.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace qel::printing {
namespace {

[[noreturn]] void cannotRead(const std::string& path, const std::string& cause) {
    throw ServerError(kErrInvalidArgument, "frmRichText", "The file '" + path + "' cannot be read: " + cause,
                      ErrorKind::Io);
}

// A UTF-8 continuation byte: the middle of a character.
bool continuesACharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

ShownFile readShownFile(const std::string& path, std::uint64_t mostBytes) {
    // Told before the file is opened: opening a named pipe would wait for a writer.
    if (const auto cause = notARegularFile(path))
        cannotRead(path, *cause + ".");
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        cannotRead(path, std::strerror(errno));
    const auto size = static_cast<std::uint64_t>(in.tellg());
    // A longer file is read from the byte before its last `mostBytes`, which tells whether they
    // start a line.
    const std::uint64_t from = size > mostBytes ? size - mostBytes - 1 : 0;
    std::string end(size - from, '\0');
    in.seekg(static_cast<std::streamoff>(from));
    in.read(end.data(), static_cast<std::streamsize>(end.size()));
    if (in.bad())
        cannotRead(path, std::strerror(errno));
    end.resize(static_cast<std::size_t>(in.gcount()));

    ShownFile shown;
    if (size <= mostBytes) {
        shown.text = std::move(end);
        return shown;
    }
    // The line the bound cuts is left out whole; a file without a line break there is shown
    // from its first whole character.
    std::size_t start = end.find('\n');
    if (start != std::string::npos)
        ++start;
    else
        for (start = 1; start < end.size() && continuesACharacter(end[start]);)
            ++start;
    shown.leftOutBytes = from + start;
    shown.text = "[The start of this file is left out: its first " +
                 wholeAmount(static_cast<double>(shown.leftOutBytes)) + " bytes of " +
                 wholeAmount(static_cast<double>(size)) + ". Its end follows.]\n";
    shown.text.append(end, start);
    return shown;
}

} // namespace qel::printing
