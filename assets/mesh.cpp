#include "assets/mesh.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "assets/asset_problems.h"
#include "assets/obj_number_parser.h"


bool MeshVertexLess::operator()(const MeshVertex& left, const MeshVertex& right) const
{
    const double tolerance = vertexTolerance;
    for (int k = 0; k < 8; ++k) {
        const double l = left.component[k];
        const double r = right.component[k];
        if (l < r - tolerance)
            return true;
        if (l > r + tolerance)
            return false;
    }
    return false;
}

namespace {

constexpr const char* delimiters = " \t\f\r\n";

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Finds the next token at or after *cursor. Returns its start (null when the
// text has none) with its length, and leaves *cursor just past the delimiter
// that ended it.
const char* nextToken(const char*& cursor, std::size_t& length)
{
    const char* start = cursor + std::strspn(cursor, delimiters);
    if (*start == '\0') {
        cursor = start;
        return nullptr;
    }
    length = std::strcspn(start, delimiters);
    cursor = start + length;
    if (*cursor != '\0')
        ++cursor;
    return start;
}

bool tokenIs(const char* token, std::size_t length, const char* directive)
{
    return std::strlen(directive) == length && std::memcmp(token, directive, length) == 0;
}

struct CornerRef {
    long position;
    long texCoord;
    long normal;
};

// Splits a/b/c and checks each index against the entries read so far.
bool parseCorner(const char* token, std::size_t length, std::size_t positionCount, std::size_t texCoordCount,
                 std::size_t normalCount, CornerRef& corner)
{
    char field[512];
    if (length >= sizeof field)
        return false;
    std::memcpy(field, token, length);
    field[length] = '\0';
    char* firstSlash = std::strchr(field, '/');
    if (firstSlash == nullptr)
        return false;
    char* secondSlash = std::strchr(firstSlash + 1, '/');
    if (secondSlash == nullptr)
        return false;
    *firstSlash = '\0';
    *secondSlash = '\0';
    if (!parseObjIndex(field, corner.position) || !parseObjIndex(firstSlash + 1, corner.texCoord) ||
        !parseObjIndex(secondSlash + 1, corner.normal))
        return false;
    auto inRange = [](long index, std::size_t available) {
        return index >= 1 && static_cast<unsigned long>(index) <= available;
    };
    return inRange(corner.position, positionCount) && inRange(corner.texCoord, texCoordCount) &&
           inRange(corner.normal, normalCount);
}

struct LoadState {
    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<float> texCoords;
    std::vector<std::uint32_t> indices;
    std::map<MeshVertex, std::int32_t, MeshVertexLess> vertexTable;
    float vHold[3] = {0.0f, 0.0f, 0.0f};
    float vnHold[3] = {0.0f, 0.0f, 0.0f};
    float vtHold[2] = {0.0f, 0.0f};
    long skippedFaces = 0;
    long skippedLines = 0;
};

void readFace(LoadState& state, const char* cursor)
{
    CornerRef corners[3];
    for (CornerRef& corner : corners) {
        std::size_t length = 0;
        const char* token = nextToken(cursor, length);
        if (token == nullptr ||
            !parseCorner(token, length, state.positions.size() / 3, state.texCoords.size() / 2,
                         state.normals.size() / 3, corner)) {
            ++state.skippedFaces;
            return;
        }
    }
    // An infinite or NaN value would poison the merge's ordering and the
    // drawing: the face is as unreadable as one with a bad index.
    MeshVertex keys[3];
    for (int i = 0; i < 3; ++i) {
        const CornerRef& corner = corners[i];
        const float* p = &state.positions[3 * static_cast<std::size_t>(corner.position - 1)];
        const float* n = &state.normals[3 * static_cast<std::size_t>(corner.normal - 1)];
        const float* t = &state.texCoords[2 * static_cast<std::size_t>(corner.texCoord - 1)];
        keys[i] = {{p[0], p[1], p[2], n[0], n[1], n[2], t[0], t[1]}};
        for (float value : keys[i].component) {
            if (!std::isfinite(value)) {
                ++state.skippedFaces;
                return;
            }
        }
    }
    // All three corners are sound: only now do they reach the vertex table,
    // so no vertex exists that no index names.
    for (const MeshVertex& key : keys) {
        auto next = static_cast<std::int32_t>(state.vertexTable.size());
        auto [entry, inserted] = state.vertexTable.try_emplace(key, next);
        state.indices.push_back(static_cast<std::uint32_t>(entry->second));
    }
}

void readLine(LoadState& state, const char* line)
{
    const char* cursor = line;
    std::size_t length = 0;
    const char* token = nextToken(cursor, length);
    if (token == nullptr)
        return;
    // A number that does not parse leaves its holding value as an earlier
    // line gave it, so the n-th line of a directive is always entry n.
    if (tokenIs(token, length, "v")) {
        readObjFloats(cursor, state.vHold, 3);
        state.positions.insert(state.positions.end(), state.vHold, state.vHold + 3);
    } else if (tokenIs(token, length, "vn")) {
        readObjFloats(cursor, state.vnHold, 3);
        state.normals.insert(state.normals.end(), state.vnHold, state.vnHold + 3);
    } else if (tokenIs(token, length, "vt")) {
        readObjFloats(cursor, state.vtHold, 2);
        state.texCoords.insert(state.texCoords.end(), state.vtHold, state.vtHold + 2);
    } else if (tokenIs(token, length, "f")) {
        readFace(state, cursor);
    }
}

// Called when a line has filled the read buffer without its line feed.
// Reads and drops the rest of the line, up to and including its line feed;
// true when there was more to it than the buffer held.
bool dropRestOfLine(std::FILE* file)
{
    int next = std::fgetc(file);
    if (next == EOF || next == '\n')
        return false;
    while (next != EOF && next != '\n')
        next = std::fgetc(file);
    return true;
}

// An editor may start the file with a UTF-8 byte-order mark. It is no part
// of the first line: read as text it would hide a vertex, and every face
// after it would name the wrong corners.
void skipByteOrderMark(std::FILE* file)
{
    const int first = std::fgetc(file);
    if (first == 0xEF) {
        const int second = std::fgetc(file);
        if (second == 0xBB && std::fgetc(file) == 0xBF)
            return;
    }
    std::rewind(file);
}

// One line for everything the load had to leave out.
void reportSkipped(const std::string& fileName, const LoadState& state)
{
    if (state.skippedFaces == 0 && state.skippedLines == 0)
        return;
    // Put together with snprintf: g++ 12 at -O3 warns on the same built by
    // string concatenation.
    char faces[160] = "";
    char lines[80] = "";
    if (state.skippedFaces > 0)
        std::snprintf(faces, sizeof faces,
                      " %ld face%s skipped (corners must be full a/b/c references to earlier entries with finite "
                      "values)%s",
                      state.skippedFaces, state.skippedFaces == 1 ? "" : "s", state.skippedLines > 0 ? "," : "");
    if (state.skippedLines > 0)
        std::snprintf(lines, sizeof lines, " %ld line%s longer than 511 characters skipped", state.skippedLines,
                      state.skippedLines == 1 ? "" : "s");
    std::string text = "\"";
    text += fileName;
    text += "\":";
    text += faces;
    text += lines;
    reportAssetProblem(text);
}

}  // namespace

Mesh::Mesh(const std::string& fileName)
{
    // Held so that the file is closed and nothing leaks when memory runs out
    // part-way: the failure then passes on to the caller.
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "r"));
    if (!file)
        return;

    skipByteOrderMark(file.get());
    LoadState state;
    char line[512];
    for (;;) {
        // fgets writes a terminator into the last byte only when it fills
        // the buffer; unlike strlen, this is not fooled by a NUL in the line.
        line[sizeof line - 1] = 'x';
        if (std::fgets(line, sizeof line, file.get()) == nullptr)
            break;
        const bool filled = line[sizeof line - 1] == '\0' && line[sizeof line - 2] != '\n';
        if (filled && dropRestOfLine(file.get())) {
            // Its pieces, read as lines, could add entries that shift every
            // later index, or cut a number short: the whole line is dropped.
            ++state.skippedLines;
            continue;
        }
        readLine(state, line);
    }
    file.reset();

    const std::size_t vertices = state.vertexTable.size();
    std::unique_ptr<float[]> newPositions(new float[3 * vertices]);
    std::unique_ptr<float[]> newNormals(new float[3 * vertices]);
    std::unique_ptr<float[]> newTexCoords(new float[2 * vertices]);
    std::unique_ptr<std::uint32_t[]> newIndices(new std::uint32_t[state.indices.size()]);
    for (const auto& [key, number] : state.vertexTable) {
        const std::size_t i = static_cast<std::size_t>(number);
        std::memcpy(&newPositions[3 * i], &key.component[0], 3 * sizeof(float));
        std::memcpy(&newNormals[3 * i], &key.component[3], 3 * sizeof(float));
        std::memcpy(&newTexCoords[2 * i], &key.component[6], 2 * sizeof(float));
    }
    if (!state.indices.empty())
        std::memcpy(newIndices.get(), state.indices.data(), state.indices.size() * sizeof(std::uint32_t));

    vertexCount = static_cast<std::int32_t>(vertices);
    positions = newPositions.release();
    normals = newNormals.release();
    texCoords = newTexCoords.release();
    indexCount = static_cast<std::int32_t>(state.indices.size());
    indices = newIndices.release();

    reportSkipped(fileName, state);
}

void releaseMesh(Mesh* mesh)
{
    if (mesh == nullptr)
        return;
    delete[] mesh->positions;
    delete[] mesh->normals;
    delete[] mesh->texCoords;
    delete[] mesh->indices;
    delete mesh;
}
