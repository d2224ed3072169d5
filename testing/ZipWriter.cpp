#include "ZipWriter.h"

#include "ScopedWin.h"
#include "TempFolder.h"

#include <zlib.h>

namespace {

void Append(std::string* file, std::initializer_list<std::pair<uint32_t, int>> fields)
{
    for (auto [value, bytes] : fields) {
        for (int i = 0; i < bytes; ++i)
            file->push_back(static_cast<char>(value >> (8 * i)));
    }
}

std::string Deflated(const std::string& data)
{
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

}  // namespace

const ZipFields kZipEndFields = {{4, 2}, {6, 2}, {8, 2}, {10, 2}, {12, 4}, {16, 4}, {20, 2}};
const ZipFields kZipCentralFields = {{4, 2},  {6, 2},  {8, 2},  {10, 2}, {16, 4}, {20, 4}, {24, 4},
                                     {28, 2}, {30, 2}, {32, 2}, {34, 2}, {36, 2}, {38, 4}, {42, 4}};
const ZipFields kZipLocalFields = {{4, 2},  {6, 2},  {8, 2},  {14, 4},
                                   {18, 4}, {22, 4}, {26, 2}, {28, 2}};

void PutField(std::string* file, size_t offset, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        (*file)[offset + i] = static_cast<char>(value >> (8 * i));
}

ZipLayout BuildZip(const std::vector<ZipEntryPlan>& entries, const std::string& comment)
{
    ZipLayout zip;
    std::vector<std::string> commons;  // version to sizes, shared by both headers
    for (const ZipEntryPlan& e : entries) {
        std::string bytes = e.Deflate ? Deflated(e.Data) : e.Data;
        auto crc = static_cast<uint32_t>(
            e.Crc >= 0 ? e.Crc
                       : crc32(0, reinterpret_cast<const Bytef*>(e.Data.data()),
                               static_cast<uInt>(e.Data.size())));
        auto size = static_cast<uint32_t>(e.Size >= 0 ? e.Size : e.Data.size());
        auto method = static_cast<uint32_t>(e.Method >= 0 ? e.Method : e.Deflate ? 8 : 0);
        std::string common;
        Append(&common, {{20, 2}, {e.Flags, 2}, {method, 2}, {0x6000, 2}, {0x5A21, 2}});
        std::string sizes;
        Append(&sizes, {{crc, 4}, {static_cast<uint32_t>(bytes.size()), 4}, {size, 4}});
        commons.push_back(common + sizes);
        bool descriptor = e.Flags & 8;
        zip.Locals.push_back(zip.File.size());
        Append(&zip.File, {{0x04034B50, 4}});
        zip.File += common + (descriptor ? std::string(12, '\0') : sizes);
        Append(&zip.File, {{static_cast<uint32_t>(e.Name.size()), 2}, {0, 2}});
        zip.File += e.Name + bytes + (descriptor ? "PK\x07\x08" + sizes : "");
    }
    size_t directory = zip.File.size();
    for (size_t i = 0; i < entries.size(); ++i) {
        zip.Centrals.push_back(zip.File.size());
        Append(&zip.File, {{0x02014B50, 4}, {entries[i].MadeBy, 2}});
        zip.File += commons[i];
        Append(&zip.File, {{static_cast<uint32_t>(entries[i].Name.size()), 2},
                           {0, 8},
                           {entries[i].Attributes, 4},
                           {static_cast<uint32_t>(zip.Locals[i]), 4}});
        zip.File += entries[i].Name;
    }
    zip.End = zip.File.size();
    auto count = static_cast<uint32_t>(entries.size());
    Append(&zip.File, {{0x06054B50, 4},
                       {0, 4},
                       {count, 2},
                       {count, 2},
                       {static_cast<uint32_t>(zip.End - directory), 4},
                       {static_cast<uint32_t>(directory), 4},
                       {static_cast<uint32_t>(comment.size()), 2}});
    zip.File += comment;
    return zip;
}

std::map<std::wstring, std::string> ExtractedFiles(const std::wstring& folder)
{
    std::map<std::wstring, std::string> files;
    WIN32_FIND_DATAW found;
    ScopedFindSearch search(FindFirstFileW((folder + L"\\*").c_str(), &found));
    for (bool more = search.IsValid(); more; more = FindNextFileW(search.Get(), &found)) {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            ReadBytesFromFile(folder + L"\\" + name, &files[name]);
            continue;
        }
        for (auto& [path, bytes] : ExtractedFiles(folder + L"\\" + name))
            files[name + L"\\" + path] = std::move(bytes);
    }
    return files;
}
