// OBJ loading: the Mesh constructor against tinyobjloader (with the
// de-duplication a user adds to get indexed arrays like ours) and assimp
// (triangulating and joining identical vertices), on the fish and on a
// million-triangle sheet. Also checks that our floats are "%f"'s.
// All three read in one thread; their figures are that thread's CPU time, so
// other processes on a shared machine do not count, with wall time beside.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <benchmark/benchmark.h>
#include <tiny_obj_loader.h>

#include "assets/mesh.h"
#include "bench_groups.h"
#include "bench_paths.h"
#include "cpu_time.h"
#include "generated_inputs.h"

namespace {


struct ObjInput {
    const char* name;
    std::function<std::string()> path;
};

const ObjInput objInputs[] = {
    {"mackerel", [] { return fileSize(assetPath(meshFileName)) > 0 ? assetPath(meshFileName) : std::string(); }},
    {"million", millionTriangleObj},
};

struct LoadResult {
    std::size_t vertices = 0;
    std::size_t triangles = 0;
};

LoadResult loadWithMesh(const std::string& path, Elapsed& elapsed)
{
    const Stopwatch stopwatch(threadCpuSeconds);
    Mesh* mesh = new Mesh(path);
    elapsed = stopwatch.elapsed();
    LoadResult result{static_cast<std::size_t>(mesh->vertexCount), static_cast<std::size_t>(mesh->indexCount) / 3};
    releaseMesh(mesh);
    return result;
}

// The arrays a renderer wants, built the way tinyobjloader's users usually
// do: one vertex per distinct index triple, found through a hash table.
struct IndexedArrays {
    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<float> texCoords;
    std::vector<std::uint32_t> indices;
};

struct CornerKey {
    int position;
    int texCoord;
    int normal;
    bool operator==(const CornerKey&) const = default;
};

struct CornerKeyHash {
    std::size_t operator()(const CornerKey& key) const
    {
        std::uint64_t h = static_cast<std::uint32_t>(key.position);
        h = h * 0x9E3779B97F4A7C15ull ^ static_cast<std::uint32_t>(key.texCoord);
        h = h * 0x9E3779B97F4A7C15ull ^ static_cast<std::uint32_t>(key.normal);
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

LoadResult loadWithTinyObj(const std::string& path, Elapsed& elapsed)
{
    const Stopwatch stopwatch(threadCpuSeconds);
    tinyobj::ObjReader reader;
    tinyobj::ObjReaderConfig config;
    config.vertex_color = false;
    if (!reader.ParseFromFile(path, config))
        return {};
    const tinyobj::attrib_t& attrib = reader.GetAttrib();
    IndexedArrays arrays;
    std::unordered_map<CornerKey, std::uint32_t, CornerKeyHash> table;
    for (const tinyobj::shape_t& shape : reader.GetShapes()) {
        for (const tinyobj::index_t& corner : shape.mesh.indices) {
            const CornerKey key{corner.vertex_index, corner.texcoord_index, corner.normal_index};
            const auto [entry, inserted] = table.try_emplace(key, static_cast<std::uint32_t>(table.size()));
            if (inserted) {
                const auto p = static_cast<std::size_t>(key.position) * 3;
                const auto n = static_cast<std::size_t>(key.normal) * 3;
                const auto t = static_cast<std::size_t>(key.texCoord) * 2;
                arrays.positions.insert(arrays.positions.end(), &attrib.vertices[p], &attrib.vertices[p] + 3);
                arrays.normals.insert(arrays.normals.end(), &attrib.normals[n], &attrib.normals[n] + 3);
                arrays.texCoords.insert(arrays.texCoords.end(), &attrib.texcoords[t], &attrib.texcoords[t] + 2);
            }
            arrays.indices.push_back(entry->second);
        }
    }
    elapsed = stopwatch.elapsed();
    return {arrays.positions.size() / 3, arrays.indices.size() / 3};
}

LoadResult loadWithAssimp(const std::string& path, Elapsed& elapsed)
{
    Assimp::Importer importer;
    const Stopwatch stopwatch(threadCpuSeconds);
    const aiScene* scene = importer.ReadFile(path, aiProcess_Triangulate | aiProcess_JoinIdenticalVertices);
    elapsed = stopwatch.elapsed();
    LoadResult result;
    if (scene != nullptr) {
        for (unsigned i = 0; i < scene->mNumMeshes; ++i) {
            result.vertices += scene->mMeshes[i]->mNumVertices;
            result.triangles += scene->mMeshes[i]->mNumFaces;
        }
    }
    return result;
}

using Loader = LoadResult (*)(const std::string&, Elapsed&);

std::string missingInputMessage(const ObjInput& input)
{
    if (std::string(input.name) == "mackerel")
        return std::string(meshFileName) + " missing in " + assetsDir() + " (the assets target writes it)";
    return "cannot write the generated input in " + benchDataDir();
}

struct NamedLoader {
    const char* name;
    Loader load;
};

const NamedLoader loaders[] = {
    {"ours", loadWithMesh}, {"tinyobjloader", loadWithTinyObj}, {"assimp", loadWithAssimp}};
constexpr int loaderCount = sizeof loaders / sizeof *loaders;

// Every iteration loads the file with each loader in turn, starting with a
// different one each time, so the comparison is paired: whatever else the
// machine does weighs on all of them alike.
void benchLoaders(benchmark::State& state, const ObjInput& input)
{
    const std::string path = input.path();
    if (path.empty()) {
        state.SkipWithError(missingInputMessage(input).c_str());
        return;
    }
    const auto bytes = static_cast<double>(fileSize(path));
    Elapsed totals[loaderCount];
    LoadResult ours;
    long round = 0;
    for (auto _ : state) {
        double iterationCpu = 0.0;
        for (int k = 0; k < loaderCount; ++k) {
            const int which = static_cast<int>((round + k) % loaderCount);
            Elapsed elapsed;
            const LoadResult result = loaders[which].load(path, elapsed);
            if (result.triangles == 0) {
                state.SkipWithError((std::string(loaders[which].name) + " read no triangle").c_str());
                return;
            }
            if (which == 0)
                ours = result;
            totals[which].cpu += elapsed.cpu;
            totals[which].wall += elapsed.wall;
            iterationCpu += elapsed.cpu;
        }
        ++round;
        state.SetIterationTime(iterationCpu);
    }
    const auto iterations = static_cast<double>(state.iterations());
    for (int k = 0; k < loaderCount; ++k) {
        const std::string name = loaders[k].name;
        state.counters[name + "_mb_per_s"] = bytes * iterations / totals[k].cpu / 1e6;
        state.counters[name + "_ms"] = totals[k].cpu / iterations * 1e3;
        state.counters[name + "_wall_ms"] = totals[k].wall / iterations * 1e3;
        if (k > 0)
            state.counters["ours_over_" + name] = totals[k].cpu / totals[0].cpu;
    }
    state.counters["vertices"] = static_cast<double>(ours.vertices);
    state.counters["triangles"] = static_cast<double>(ours.triangles);
}

std::uint64_t packBits(const float* values, int count)
{
    std::uint64_t packed = 0;
    for (int i = 0; i < count; ++i) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &values[i], sizeof bits);
        packed = packed * 0x100000001B3ull ^ bits;
    }
    return packed;
}

// Every vertex of the Mesh must carry, bit for bit, the values that
// sscanf("%f") reads from some line of the file.
void checkFloats(benchmark::State& state, const ObjInput& input)
{
    const std::string path = input.path();
    if (path.empty()) {
        state.SkipWithError(missingInputMessage(input).c_str());
        return;
    }
    std::unordered_set<std::uint64_t> positions, normals, texCoords;
    if (std::FILE* file = std::fopen(path.c_str(), "r")) {
        char line[512];
        float v[3] = {}, vn[3] = {}, vt[2] = {};
        while (std::fgets(line, sizeof line, file) != nullptr) {
            if (std::strncmp(line, "v ", 2) == 0) {
                std::sscanf(line + 2, "%f %f %f", &v[0], &v[1], &v[2]);
                positions.insert(packBits(v, 3));
            } else if (std::strncmp(line, "vn ", 3) == 0) {
                std::sscanf(line + 3, "%f %f %f", &vn[0], &vn[1], &vn[2]);
                normals.insert(packBits(vn, 3));
            } else if (std::strncmp(line, "vt ", 3) == 0) {
                std::sscanf(line + 3, "%f %f", &vt[0], &vt[1]);
                texCoords.insert(packBits(vt, 2));
            }
        }
        std::fclose(file);
    }
    long mismatches = 0;
    Mesh* mesh = nullptr;
    for (auto _ : state) {
        mesh = new Mesh(path);
        for (std::int32_t i = 0; i < mesh->vertexCount; ++i) {
            const auto k = static_cast<std::size_t>(i);
            mismatches += positions.count(packBits(&mesh->positions[3 * k], 3)) == 0;
            mismatches += normals.count(packBits(&mesh->normals[3 * k], 3)) == 0;
            mismatches += texCoords.count(packBits(&mesh->texCoords[2 * k], 2)) == 0;
        }
        state.counters["vertices"] = mesh->vertexCount;
        releaseMesh(mesh);
    }
    state.counters["identical"] = mismatches == 0 ? 1.0 : 0.0;
    state.counters["mismatches"] = static_cast<double>(mismatches);
}

}  // namespace

void registerObjBenchmarks(bool quick)
{
    for (const ObjInput& input : objInputs) {
        const bool large = std::string(input.name) == "million";
        benchmark::RegisterBenchmark(("obj/compare/" + std::string(input.name)).c_str(),
                                     [&input](benchmark::State& state) { benchLoaders(state, input); })
            ->Iterations(large ? 1 : (quick ? 3 : 20))
            ->Repetitions(quick ? 2 : (large ? 5 : 7))
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("obj/check/" + std::string(input.name)).c_str(),
                                     [&input](benchmark::State& state) { checkFloats(state, input); })
            ->Iterations(1)
            ->Repetitions(1)
            ->Unit(benchmark::kMillisecond);
    }
}
