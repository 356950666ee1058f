#include "assets/mesh.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "assets/asset_problems.h"
#include "assets/obj_number_parser.h"
#include "language/translation.h"
#include "platform/regular_file.h"


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

// One corner as the file gives it, resolved to list entries counted from
// 0; -1 where the form leaves the texture coordinate or the normal out.
struct CornerRef {
    long position;
    long texCoord;
    long normal;
};

// Why a face was left out, for the one line about the file.
enum FaceFault { tooFewCorners, notANumber, missingEntry, notFinite, faceFaultCount };

// An OBJ index, counted from 1, or from the end of the list read so far when
// negative (-1 is the last entry): the list entry it names, or -1.
long resolveIndex(long index, std::size_t available)
{
    if (index > 0 && static_cast<unsigned long>(index) <= available)
        return index - 1;
    if (index < 0 && static_cast<unsigned long>(-index) <= available)
        return static_cast<long>(available) + index;
    return -1;
}

// Splits a corner in any of OBJ's forms: a, a/b, a//c or a/b/c.
bool parseCorner(const char* token, std::size_t length, std::size_t positionCount, std::size_t texCoordCount,
                 std::size_t normalCount, CornerRef& corner, FaceFault& fault)
{
    fault = notANumber;
    char field[512];
    if (length >= sizeof field)
        return false;
    std::memcpy(field, token, length);
    field[length] = '\0';
    char* parts[3] = {field, nullptr, nullptr};
    int count = 1;
    for (char* c = field; *c != '\0'; ++c) {
        if (*c != '/')
            continue;
        if (count == 3)
            return false;
        *c = '\0';
        parts[count++] = c + 1;
    }
    long index[3] = {0, 0, 0};
    // The texture coordinate may be left empty (a//c); nothing else may.
    for (int k = 0; k < count; ++k) {
        const bool optional = k == 1 && count == 3;
        if (optional && parts[k][0] == '\0')
            continue;
        if (!parseObjIndex(parts[k], index[k]))
            return false;
    }
    fault = missingEntry;
    corner.position = resolveIndex(index[0], positionCount);
    corner.texCoord = index[1] == 0 ? -1 : resolveIndex(index[1], texCoordCount);
    corner.normal = index[2] == 0 ? -1 : resolveIndex(index[2], normalCount);
    // An index that is given must name an entry; 0 is no index at all.
    const bool texGiven = count >= 2 && parts[1][0] != '\0';
    const bool normalGiven = count == 3;
    return corner.position >= 0 && (!texGiven || corner.texCoord >= 0) && (!normalGiven || corner.normal >= 0);
}

// A triangle whose corners have passed every check, kept until the file is
// read: corners without a normal need the whole mesh to get one.
struct Triangle {
    CornerRef corner[3];
};

// The first line of each kind of trouble, and how many there were.
struct LineCount {
    long count = 0;
    long firstLine = 0;

    void add(long line)
    {
        if (count++ == 0)
            firstLine = line;
    }
};

struct LoadState {
    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<float> texCoords;
    std::vector<Triangle> triangles;
    std::vector<CornerRef> faceCorners;
    float vHold[3] = {0.0f, 0.0f, 0.0f};
    float vnHold[3] = {0.0f, 0.0f, 0.0f};
    float vtHold[2] = {0.0f, 0.0f};
    LineCount skippedFaces[faceFaultCount];
    LineCount skippedLines;
    LineCount shortLines;
    bool anyCornerWithoutNormal = false;
};

bool finiteValues(const float* values, int count)
{
    for (int i = 0; i < count; ++i)
        if (!std::isfinite(values[i]))
            return false;
    return true;
}

void readFace(LoadState& state, const char* cursor, long lineNumber)
{
    state.faceCorners.clear();
    for (;;) {
        std::size_t length = 0;
        const char* token = nextToken(cursor, length);
        if (token == nullptr)
            break;
        CornerRef corner{};
        FaceFault fault = notANumber;
        if (!parseCorner(token, length, state.positions.size() / 3, state.texCoords.size() / 2,
                         state.normals.size() / 3, corner, fault)) {
            state.skippedFaces[fault].add(lineNumber);
            return;
        }
        // An infinite or NaN value would poison the merge's ordering and the
        // drawing: the face is as unreadable as one with a bad index.
        const bool finite = finiteValues(&state.positions[3 * static_cast<std::size_t>(corner.position)], 3) &&
                            (corner.normal < 0 ||
                             finiteValues(&state.normals[3 * static_cast<std::size_t>(corner.normal)], 3)) &&
                            (corner.texCoord < 0 ||
                             finiteValues(&state.texCoords[2 * static_cast<std::size_t>(corner.texCoord)], 2));
        if (!finite) {
            state.skippedFaces[notFinite].add(lineNumber);
            return;
        }
        state.faceCorners.push_back(corner);
    }
    if (state.faceCorners.size() < 3) {
        state.skippedFaces[tooFewCorners].add(lineNumber);
        return;
    }
    // A face of more than three corners is a fan around its first corner:
    // exact for the convex quads and polygons that modelling programs export.
    for (std::size_t i = 1; i + 1 < state.faceCorners.size(); ++i) {
        const Triangle triangle{{state.faceCorners[0], state.faceCorners[i], state.faceCorners[i + 1]}};
        for (const CornerRef& corner : triangle.corner)
            state.anyCornerWithoutNormal = state.anyCornerWithoutNormal || corner.normal < 0;
        state.triangles.push_back(triangle);
    }
}

// Reads a directive's numbers. Some locales' exporters write decimal commas
// ("1,5"); a comma between digits is read as the decimal point it stands for.
int readNumbers(const char* cursor, float* hold, int count)
{
    const char* comma = std::strchr(cursor, ',');
    if (comma == nullptr)
        return readObjFloats(cursor, hold, count);
    char copy[512];
    std::snprintf(copy, sizeof copy, "%s", cursor);
    for (char* c = copy; *c != '\0'; ++c) {
        const bool betweenDigits = *c == ',' && c > copy && c[-1] >= '0' && c[-1] <= '9' && c[1] >= '0' && c[1] <= '9';
        if (betweenDigits)
            *c = '.';
    }
    return readObjFloats(copy, hold, count);
}

void readLine(LoadState& state, const char* line, long lineNumber)
{
    const char* cursor = line;
    std::size_t length = 0;
    const char* token = nextToken(cursor, length);
    if (token == nullptr)
        return;
    // A number that does not parse leaves its holding value as an earlier
    // line gave it, so the n-th line of a directive is always entry n; the
    // line is counted so the user hears of it.
    if (tokenIs(token, length, "v")) {
        if (readNumbers(cursor, state.vHold, 3) < 3)
            state.shortLines.add(lineNumber);
        state.positions.insert(state.positions.end(), state.vHold, state.vHold + 3);
    } else if (tokenIs(token, length, "vn")) {
        if (readNumbers(cursor, state.vnHold, 3) < 3)
            state.shortLines.add(lineNumber);
        state.normals.insert(state.normals.end(), state.vnHold, state.vnHold + 3);
    } else if (tokenIs(token, length, "vt")) {
        if (readNumbers(cursor, state.vtHold, 2) < 2)
            state.shortLines.add(lineNumber);
        state.texCoords.insert(state.texCoords.end(), state.vtHold, state.vtHold + 2);
    } else if (tokenIs(token, length, "f")) {
        readFace(state, cursor, lineNumber);
    }
}

// Normals for corners the file gave none: at each position the sum of the
// normals of the triangles around it, each as long as twice its area, so
// larger faces weigh more (the usual smooth-shading rule; Gouraud 1971
// averages face normals, the area weighting follows Max 1999, "Weights for
// computing vertex normals from facet normals", J. Graphics Tools 4(2)).
// Computed in double: differences of large floats overflow in float.
std::vector<float> computedNormals(const LoadState& state)
{
    std::vector<double> sum(state.positions.size(), 0.0);
    for (const Triangle& triangle : state.triangles) {
        bool needed = false;
        for (const CornerRef& corner : triangle.corner)
            needed = needed || corner.normal < 0;
        if (!needed)
            continue;
        double p[3][3];
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < 3; ++k)
                p[c][k] = state.positions[3 * static_cast<std::size_t>(triangle.corner[c].position) + k];
        const double e1[3] = {p[1][0] - p[0][0], p[1][1] - p[0][1], p[1][2] - p[0][2]};
        const double e2[3] = {p[2][0] - p[0][0], p[2][1] - p[0][1], p[2][2] - p[0][2]};
        const double n[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                             e1[0] * e2[1] - e1[1] * e2[0]};
        for (const CornerRef& corner : triangle.corner)
            for (int k = 0; k < 3; ++k)
                sum[3 * static_cast<std::size_t>(corner.position) + k] += n[k];
    }
    std::vector<float> normals(state.positions.size(), 0.0f);
    for (std::size_t i = 0; i < normals.size(); i += 3) {
        const double length = std::sqrt(sum[i] * sum[i] + sum[i + 1] * sum[i + 1] + sum[i + 2] * sum[i + 2]);
        // A position only on faces of no area has no direction: facing up
        // lights it as the sea floor is lit.
        if (!(length > 0.0) || !std::isfinite(length)) {
            normals[i + 1] = 1.0f;
            continue;
        }
        for (int k = 0; k < 3; ++k)
            normals[i + k] = static_cast<float>(sum[i + k] / length);
    }
    return normals;
}

// The file as it was read: whole, or refused with the cause and its fix.
bool readWholeFile(std::FILE* file, std::string& text, std::string& refused)
{
    char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        text.append(chunk, got);
        // The file grew while it was read.
        if (text.size() > maxMeshFileBytes) {
            refused = formatted(tr("larger than %s, more than any asset of this program holds"),
                                describeByteCount(maxMeshFileBytes).c_str());
            return false;
        }
    }
    if (std::ferror(file)) {
        refused = cannotBeRead(errno);
        return false;
    }
    return true;
}

// Text in UTF-16 (or UTF-32) is ASCII with a zero byte beside every
// character: read as bytes it holds no directive at all.
bool looksLikeWideText(const std::string& text)
{
    if (text.size() >= 2 && ((static_cast<unsigned char>(text[0]) == 0xFF && static_cast<unsigned char>(text[1]) == 0xFE) ||
                             (static_cast<unsigned char>(text[0]) == 0xFE && static_cast<unsigned char>(text[1]) == 0xFF)))
        return true;
    const std::size_t sample = std::min<std::size_t>(text.size(), 1024);
    std::size_t zeros = 0;
    for (std::size_t i = 0; i < sample; ++i)
        zeros += text[i] == '\0' ? 1 : 0;
    return sample >= 4 && zeros * 3 >= sample;
}

// One clause for everything the load had to leave out or fill in.
std::vector<std::string> describeLeftOut(const LoadState& state)
{
    static const char* const why[faceFaultCount] = {
        // TRANSLATORS: how many faces were skipped for this fault, and the line of the first; a list of
        // these follows "... faces skipped: ".
        N_("%ld for fewer than 3 corners (first on line %ld)"),
        N_("%ld for a corner that is not in the form a, a/b, a//c or a/b/c of whole numbers (first on line %ld)"),
        N_("%ld for a corner naming an entry that does not exist (index 0, or beyond the entries read before the "
           "face) (first on line %ld)"),
        N_("%ld for a corner with an infinite or undefined value (first on line %ld)"),
    };
    std::vector<std::string> clauses;
    long faces = 0;
    std::string reasons;
    for (int fault = 0; fault < faceFaultCount; ++fault) {
        const LineCount& skipped = state.skippedFaces[fault];
        if (skipped.count == 0)
            continue;
        faces += skipped.count;
        if (!reasons.empty())
            reasons += ", ";
        reasons += formatted(tr(why[fault]), skipped.count, skipped.firstLine);
    }
    const auto count = [](long n) { return static_cast<unsigned long>(n); };
    if (faces > 0)
        // TRANSLATORS: the number of faces, then the list of why they were skipped.
        clauses.push_back(formatted(trn("%ld face skipped: %s", "%ld faces skipped: %s", count(faces)), faces,
                                    reasons.c_str()));
    if (state.skippedLines.count > 0)
        clauses.push_back(formatted(trn("%ld line longer than 511 characters skipped (first: line %ld)",
                                        "%ld lines longer than 511 characters skipped (first: line %ld)",
                                        count(state.skippedLines.count)),
                                    state.skippedLines.count, state.skippedLines.firstLine));
    if (state.shortLines.count > 0)
        // TRANSLATORS: "v", "vn" and "vt" are the file's own keywords: keep them as they are.
        clauses.push_back(formatted(trn("%ld \"v\", \"vn\" or \"vt\" line with too few numbers, the missing ones "
                                        "taken from the line before (first: line %ld)",
                                        "%ld \"v\", \"vn\" or \"vt\" lines with too few numbers, the missing ones "
                                        "taken from the line before (first: line %ld)",
                                        count(state.shortLines.count)),
                                    state.shortLines.count, state.shortLines.firstLine));
    return clauses;
}

}  // namespace

Mesh::Mesh(const std::string& fileName, MeshReadNotes* notes)
{
    MeshReadNotes kept;
    MeshReadNotes& said = notes != nullptr ? *notes : kept;
    said = MeshReadNotes();
    // Held so that the file is closed and nothing leaks when memory runs out
    // part-way: the failure then passes on to the caller.
    std::unique_ptr<std::FILE, FileCloser> file(openRegularFile(fileName, maxMeshFileBytes, said.refused));
    if (!file)
        return;
    std::string text;
    const bool whole = readWholeFile(file.get(), text, said.refused);
    file.reset();
    if (!whole)
        return;
    if (looksLikeWideText(text)) {
        said.refused = tr("written in UTF-16, which this program does not read; save it as UTF-8 or plain text");
        return;
    }

    // An editor may start the file with a UTF-8 byte-order mark. It is no
    // part of the first line: read as text it would hide a vertex, and every
    // face after it would name the wrong corners.
    std::size_t at = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    // Lines end in a line feed (a carriage return before it is a blank);
    // a file without any, as classic Mac OS wrote, ends them in carriage returns.
    const char lineEnd = text.find('\n') == std::string::npos ? '\r' : '\n';

    LoadState state;
    char line[512];
    long lineNumber = 0;
    while (at < text.size()) {
        ++lineNumber;
        std::size_t end = text.find(lineEnd, at);
        if (end == std::string::npos)
            end = text.size();
        const std::size_t length = end - at;
        // Its pieces, read as lines, could add entries that shift every
        // later index, or cut a number short: the whole line is dropped.
        if (length > sizeof line - 1) {
            state.skippedLines.add(lineNumber);
        } else {
            std::memcpy(line, text.data() + at, length);
            line[length] = '\0';
            readLine(state, line, lineNumber);
        }
        at = end + 1;
    }
    text = std::string();

    // Only whole, sound triangles reach the vertex table, in file order, so
    // no vertex exists that no index names.
    std::vector<float> madeNormals;
    if (state.anyCornerWithoutNormal)
        madeNormals = computedNormals(state);
    std::map<MeshVertex, std::int32_t, MeshVertexLess> vertexTable;
    std::vector<std::uint32_t> indexList;
    indexList.reserve(3 * state.triangles.size());
    for (const Triangle& triangle : state.triangles) {
        for (const CornerRef& corner : triangle.corner) {
            const float* p = &state.positions[3 * static_cast<std::size_t>(corner.position)];
            const float* n = corner.normal >= 0 ? &state.normals[3 * static_cast<std::size_t>(corner.normal)]
                                                : &madeNormals[3 * static_cast<std::size_t>(corner.position)];
            // Without a texture coordinate the corner takes the picture's corner.
            const float none[2] = {0.0f, 0.0f};
            const float* t = corner.texCoord >= 0 ? &state.texCoords[2 * static_cast<std::size_t>(corner.texCoord)] : none;
            const MeshVertex key{{p[0], p[1], p[2], n[0], n[1], n[2], t[0], t[1]}};
            auto next = static_cast<std::int32_t>(vertexTable.size());
            auto [entry, inserted] = vertexTable.try_emplace(key, next);
            indexList.push_back(static_cast<std::uint32_t>(entry->second));
        }
    }

    const std::size_t vertices = vertexTable.size();
    std::unique_ptr<float[]> newPositions(new float[3 * vertices]);
    std::unique_ptr<float[]> newNormals(new float[3 * vertices]);
    std::unique_ptr<float[]> newTexCoords(new float[2 * vertices]);
    std::unique_ptr<std::uint32_t[]> newIndices(new std::uint32_t[indexList.size()]);
    for (const auto& [key, number] : vertexTable) {
        const std::size_t i = static_cast<std::size_t>(number);
        std::memcpy(&newPositions[3 * i], &key.component[0], 3 * sizeof(float));
        std::memcpy(&newNormals[3 * i], &key.component[3], 3 * sizeof(float));
        std::memcpy(&newTexCoords[2 * i], &key.component[6], 2 * sizeof(float));
    }
    if (!indexList.empty())
        std::memcpy(newIndices.get(), indexList.data(), indexList.size() * sizeof(std::uint32_t));

    vertexCount = static_cast<std::int32_t>(vertices);
    positions = newPositions.release();
    normals = newNormals.release();
    texCoords = newTexCoords.release();
    indexCount = static_cast<std::int32_t>(indexList.size());
    indices = newIndices.release();

    said.leftOut = describeLeftOut(state);
    if (notes == nullptr && !said.leftOut.empty())
        reportAssetProblem(describeMeshLeftOut(fileName, std::string(), said.leftOut));
}

std::string describeMeshLeftOut(const std::string& fileName, const std::string& folder,
                                const std::vector<std::string>& leftOut)
{
    std::string clauses;
    for (std::size_t i = 0; i < leftOut.size(); ++i) {
        if (i > 0)
            clauses += "; ";
        clauses += leftOut[i];
    }
    if (folder.empty())
        // TRANSLATORS: the file's name, then what was left out.
        return formatted(tr("The mesh \"%s\" was read in part: %s."), fileName.c_str(), clauses.c_str());
    // TRANSLATORS: the file's name, its folder, then what was left out.
    return formatted(tr("The mesh \"%s\" in %s was read in part: %s."), fileName.c_str(), folder.c_str(),
                     clauses.c_str());
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
