#include "platform/com/LibraryCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstring>
#include <vector>

#include <elf.h>
#include <link.h>

namespace com {

namespace {

using Header = ElfW(Ehdr);
using ProgramHeader = ElfW(Phdr);
using SectionHeader = ElfW(Shdr);
using DynamicEntry = ElfW(Dyn);

constexpr unsigned char nativeClass = sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32;
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr unsigned char nativeByteOrder = ELFDATA2LSB;
#else
constexpr unsigned char nativeByteOrder = ELFDATA2MSB;
#endif
#if defined(__x86_64__)
constexpr int nativeMachine = EM_X86_64;
#elif defined(__aarch64__)
constexpr int nativeMachine = EM_AARCH64;
#elif defined(__i386__)
constexpr int nativeMachine = EM_386;
#elif defined(__arm__)
constexpr int nativeMachine = EM_ARM;
#elif defined(__riscv)
constexpr int nativeMachine = EM_RISCV;
#elif defined(__powerpc64__)
constexpr int nativeMachine = EM_PPC64;
#else
constexpr int nativeMachine = -1; // not checked where the machine is not known here
#endif

// Whether [offset, offset + length) lies inside a file of `size` bytes,
// without the sum overflowing.
bool inside(quint64 offset, quint64 length, quint64 size)
{
    return offset <= size && length <= size - offset;
}

class LibraryFile {
public:
    explicit LibraryFile(const QString& path) : file_(path) {}

    std::optional<QString> check(std::vector<QString>* needed)
    {
        if (!file_.open(QIODevice::ReadOnly))
            return QStringLiteral("it cannot be read: %1").arg(file_.errorString());
        size_ = quint64(file_.size());
        Header header{};
        if (!read(0, &header, sizeof header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
            return QStringLiteral("it is not a shared library");
        if (header.e_ident[EI_CLASS] != nativeClass || header.e_ident[EI_DATA] != nativeByteOrder
            || (nativeMachine >= 0 && header.e_machine != nativeMachine))
            return QStringLiteral("it is made for another kind of computer");
        if (header.e_type != ET_DYN)
            return QStringLiteral("it is not a shared library");

        if (header.e_phentsize != sizeof(ProgramHeader) || header.e_phnum == 0)
            return QStringLiteral("its program headers are damaged");
        const quint64 programTable = quint64(header.e_phnum) * sizeof(ProgramHeader);
        if (!inside(header.e_phoff, programTable, size_))
            return cutShort(QStringLiteral("its program headers end"), header.e_phoff + programTable);
        if (header.e_shoff != 0) {
            if (header.e_shentsize != sizeof(SectionHeader))
                return QStringLiteral("its section headers are damaged");
            // A count too large for the header is kept in the first entry.
            quint64 sections = header.e_shnum;
            if (sections == 0) {
                SectionHeader first{};
                if (!read(header.e_shoff, &first, sizeof first))
                    return cutShort(QStringLiteral("its section headers end"), header.e_shoff + sizeof first);
                sections = first.sh_size;
            }
            const quint64 sectionTable = sections * sizeof(SectionHeader);
            if (sections > size_ || !inside(header.e_shoff, sectionTable, size_))
                return cutShort(QStringLiteral("its section headers end"), header.e_shoff + sectionTable);
        }

        programHeaders_.resize(header.e_phnum);
        if (!read(header.e_phoff, programHeaders_.data(), programTable))
            return QStringLiteral("its program headers cannot be read");
        const ProgramHeader* dynamic = nullptr;
        for (const ProgramHeader& part : programHeaders_) {
            if (part.p_type != PT_LOAD && part.p_type != PT_DYNAMIC)
                continue;
            if (!inside(part.p_offset, part.p_filesz, size_))
                return cutShort(part.p_type == PT_LOAD ? QStringLiteral("a part the loader maps ends")
                                                       : QStringLiteral("its dynamic section ends"),
                                part.p_offset + part.p_filesz);
            if (part.p_type == PT_DYNAMIC)
                dynamic = &part;
        }
        if (dynamic)
            return neededLibraries(*dynamic, needed);
        return std::nullopt;
    }

private:
    bool read(quint64 offset, void* into, quint64 length)
    {
        if (!inside(offset, length, size_) || !file_.seek(qint64(offset)))
            return false;
        return file_.read(static_cast<char*>(into), qint64(length)) == qint64(length);
    }

    QString cutShort(const QString& what, quint64 end) const
    {
        return QStringLiteral("it is cut short: %1 at byte %2, but the file has only %3 bytes")
            .arg(what)
            .arg(end)
            .arg(size_);
    }

    // Where the loaded part holding `address` lies in the file.
    std::optional<quint64> fileOffset(quint64 address) const
    {
        for (const ProgramHeader& part : programHeaders_) {
            if (part.p_type == PT_LOAD && address >= part.p_vaddr && address - part.p_vaddr < part.p_filesz)
                return part.p_offset + (address - part.p_vaddr);
        }
        return std::nullopt;
    }

    // The names of the libraries this one needs, from its dynamic section.
    std::optional<QString> neededLibraries(const ProgramHeader& dynamic, std::vector<QString>* needed)
    {
        std::vector<DynamicEntry> entries(dynamic.p_filesz / sizeof(DynamicEntry));
        if (!read(dynamic.p_offset, entries.data(), entries.size() * sizeof(DynamicEntry)))
            return QStringLiteral("its dynamic section cannot be read");
        quint64 strings = 0;
        quint64 stringsSize = 0;
        std::vector<quint64> names;
        for (const DynamicEntry& entry : entries) {
            if (entry.d_tag == DT_NULL)
                break;
            if (entry.d_tag == DT_STRTAB)
                strings = entry.d_un.d_ptr;
            else if (entry.d_tag == DT_STRSZ)
                stringsSize = entry.d_un.d_val;
            else if (entry.d_tag == DT_NEEDED)
                names.push_back(entry.d_un.d_val);
        }
        if (names.empty())
            return std::nullopt;
        const std::optional<quint64> at = fileOffset(strings);
        if (!at || !inside(*at, stringsSize, size_))
            return QStringLiteral("its table of names is damaged");
        QByteArray table(qsizetype(stringsSize), '\0');
        if (!read(*at, table.data(), stringsSize))
            return QStringLiteral("its table of names cannot be read");
        for (const quint64 name : names) {
            const qsizetype end = name < stringsSize ? table.indexOf('\0', qsizetype(name)) : -1;
            if (end < 0)
                return QStringLiteral("its table of names is damaged");
            needed->push_back(QFile::decodeName(table.mid(qsizetype(name), end - qsizetype(name))));
        }
        return std::nullopt;
    }

    QFile file_;
    quint64 size_ = 0;
    std::vector<ProgramHeader> programHeaders_;
};

std::optional<QString> checkWithNeighbours(const QString& path, QSet<QString>& checked)
{
    checked.insert(QFileInfo(path).absoluteFilePath());
    std::vector<QString> needed;
    if (auto why = LibraryFile(path).check(&needed))
        return why;
    const QDir folder = QFileInfo(path).absoluteDir();
    for (const QString& name : needed) {
        const QString neighbour = folder.absoluteFilePath(name);
        if (name.contains(QLatin1Char('/')) || checked.contains(neighbour) || !QFileInfo(neighbour).isFile())
            continue;
        if (auto why = checkWithNeighbours(neighbour, checked))
            return QStringLiteral("%1 beside it is damaged: %2").arg(name, *why);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> damagedLibrary(const QString& path)
{
    QSet<QString> checked;
    return checkWithNeighbours(path, checked);
}

} // namespace com
