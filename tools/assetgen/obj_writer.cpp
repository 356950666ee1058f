#include "obj_writer.h"

#include <cstdio>
#include <memory>

namespace modelgen {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Six decimals keep positions to a micrometre of a 2.4-unit fish; "-0.000000"
// is written as "0.000000" so the text does not depend on the sign of zero.
void writeNumber(std::FILE* file, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    const char* shown = text;
    if (text[0] == '-') {
        bool allZero = true;
        for (const char* c = text + 1; *c != '\0'; ++c)
            if (*c != '0' && *c != '.')
                allZero = false;
        if (allZero)
            shown = text + 1;
    }
    std::fprintf(file, " %s", shown);
}

void writeGroup(std::FILE* file, const ModelGroup& group, long& written)
{
    // OBJ numbers count from 1 across the whole file.
    std::vector<long> number(group.vertices.size(), 0);
    for (const auto& triangle : group.triangles)
        for (int corner : triangle)
            number[static_cast<std::size_t>(corner)] = -1;

    std::fprintf(file, "g %s\n", group.name.c_str());
    for (std::size_t i = 0; i < group.vertices.size(); ++i) {
        if (number[i] == 0)
            continue;
        number[i] = ++written;
        const ModelVertex& vertex = group.vertices[i];
        std::fputs("v", file);
        writeNumber(file, vertex.position.x);
        writeNumber(file, vertex.position.y);
        writeNumber(file, vertex.position.z);
        std::fputs("\nvt", file);
        writeNumber(file, vertex.u);
        writeNumber(file, vertex.v);
        std::fputs("\nvn", file);
        writeNumber(file, vertex.normal.x);
        writeNumber(file, vertex.normal.y);
        writeNumber(file, vertex.normal.z);
        std::fputs("\n", file);
    }
    for (const auto& triangle : group.triangles) {
        std::fputs("f", file);
        for (int corner : triangle) {
            const long n = number[static_cast<std::size_t>(corner)];
            std::fprintf(file, " %ld/%ld/%ld", n, n, n);
        }
        std::fputs("\n", file);
    }
}

}  // namespace

bool writeObjFile(const std::string& path, const Model& model, const std::vector<std::string>& comments)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "w"));
    if (!file)
        return false;
    for (const std::string& comment : comments)
        std::fprintf(file.get(), "# %s\n", comment.c_str());
    long written = 0;
    for (const ModelGroup& group : model.groups)
        writeGroup(file.get(), group, written);
    const bool failed = std::ferror(file.get()) != 0;
    return std::fclose(file.release()) == 0 && !failed;
}

}  // namespace modelgen
