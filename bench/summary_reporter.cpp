#include "summary_reporter.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <limits>
#include <sstream>

#include "assets/mesh.h"
#include "sample_stats.h"

namespace {

constexpr double missing = std::numeric_limits<double>::quiet_NaN();

struct Figure {
    double median = missing;
    double low = missing;
    double high = missing;
    int runs = 0;

    bool known() const { return !std::isnan(median); }
};

Figure figureOf(const std::vector<double>& values)
{
    Figure figure;
    if (values.empty())
        return figure;
    figure.median = median(values);
    figure.low = *std::min_element(values.begin(), values.end());
    figure.high = *std::max_element(values.begin(), values.end());
    figure.runs = static_cast<int>(values.size());
    return figure;
}

// a / b, its range bounded by the extremes of both.
Figure ratioOf(const Figure& a, const Figure& b)
{
    Figure ratio;
    if (!a.known() || !b.known() || b.median == 0 || b.low == 0)
        return ratio;
    ratio.median = a.median / b.median;
    ratio.low = a.low / b.high;
    ratio.high = a.high / b.low;
    ratio.runs = std::min(a.runs, b.runs);
    return ratio;
}

Figure percentOf(const Figure& part, const Figure& whole)
{
    Figure share = ratioOf(part, whole);
    share.median *= 100.0;
    share.low *= 100.0;
    share.high *= 100.0;
    return share;
}

struct Row {
    std::string group;
    std::string key;    // identifier in the JSON
    std::string label;  // text in the table
    std::string unit;
    int decimals = 2;
    Figure figure;
};

struct Target {
    std::string text;
    std::string measured;
    bool known = false;
    bool met = false;
};

std::string cpuModel()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.rfind("model name", 0) == 0) {
            const std::size_t colon = line.find(':');
            return colon == std::string::npos ? line : line.substr(colon + 2);
        }
    }
    return "unknown CPU";
}

std::string formatNumber(double value, int decimals)
{
    if (std::isnan(value))
        return "n/a";
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string spreadText(const Figure& figure)
{
    if (!figure.known() || figure.runs < 2 || figure.median == 0)
        return "";
    const double halfRange = (figure.high - figure.low) / 2.0 / std::fabs(figure.median) * 100.0;
    char text[32];
    std::snprintf(text, sizeof text, "±%.1f%%", halfRange);
    return text;
}

std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", c);
            out += code;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string jsonNumber(double value)
{
    if (std::isnan(value) || std::isinf(value))
        return "null";
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

std::string utcNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M UTC", &parts);
    return text;
}

}  // namespace

bool SummaryReporter::ReportContext(const Context&)
{
    std::cerr << "Running benchmarks; the table follows when all are done.\n";
    return true;
}

void SummaryReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration)
            continue;
        const std::string name = run.run_name.function_name;
        if (results.count(name) == 0)
            order.push_back(name);
        Samples& samples = results[name];
        if (run.error_occurred) {
            samples.error = run.error_message;
            failed = true;
            std::cerr << "  " << name << ": FAILED: " << run.error_message << "\n";
            continue;
        }
        if (!run.report_label.empty())
            samples.label = run.report_label;
        const double iterations = static_cast<double>(std::max<benchmark::IterationCount>(run.iterations, 1));
        samples.counters["seconds"].push_back(run.real_accumulated_time / iterations);
        for (const auto& [counter, value] : run.counters)
            samples.counters[counter].push_back(value.value);
        if (run.repetition_index + 1 == run.repetitions || run.repetitions <= 1)
            std::cerr << "  " << name << " done\n";
    }
}

void SummaryReporter::Finalize()
{
    auto get = [&](const std::string& name, const std::string& counter) {
        const auto entry = results.find(name);
        if (entry == results.end())
            return Figure();
        const auto values = entry->second.counters.find(counter);
        return values == entry->second.counters.end() ? Figure() : figureOf(values->second);
    };

    std::vector<Row> rows;
    auto add = [&](const std::string& group, const std::string& key, const std::string& label,
                   const std::string& unit, int decimals, const Figure& figure) {
        if (figure.known())
            rows.push_back({group, key, label, unit, decimals, figure});
    };

    // Frame.
    for (const std::string size : {"640x480", "1920x1080"}) {
        const Figure scene = get("frame/scene/" + size, "median_ms");
        const Figure sceneP95 = get("frame/scene/" + size, "p95_ms");
        const Figure empty = get("frame/empty/" + size, "median_ms");
        const Figure emptyP95 = get("frame/empty/" + size, "p95_ms");
        const Figure overlay = get("frame/overlay/" + size, "median_ms");
        const Figure overlayP95 = get("frame/overlay/" + size, "p95_ms");
        add("frame", "scene_median_" + size, size + " scene drawFrame, median", "ms", 2, scene);
        add("frame", "scene_p95_" + size, size + " scene drawFrame, p95", "ms", 2, sceneP95);
        add("frame", "scene_cpu_median_" + size, size + " scene drawFrame, CPU time of all threads, median", "ms", 2,
            get("frame/scene/" + size, "cpu_median_ms"));
        const Figure waterTorch = get("frame/scene_water_torch/" + size, "median_ms");
        add("frame", "scene_water_torch_median_" + size, size + " scene in clear ocean with the torch, median", "ms",
            2, waterTorch);
        add("frame", "scene_water_torch_cpu_median_" + size,
            size + " scene in clear ocean with the torch, CPU time of all threads, median", "ms", 2,
            get("frame/scene_water_torch/" + size, "cpu_median_ms"));
        add("frame", "scene_water_torch_over_scene_" + size, size + " clear ocean with the torch / simple rule", "x",
            3, ratioOf(waterTorch, scene));
        add("frame", "empty_median_" + size, size + " empty frame (clear + swap), median", "ms", 2, empty);
        add("frame", "empty_p95_" + size, size + " empty frame (clear + swap), p95", "ms", 2, emptyP95);
        add("frame", "scene_over_empty_median_" + size, size + " scene / empty, median", "x", 2,
            ratioOf(scene, empty));
        add("frame", "scene_over_empty_p95_" + size, size + " scene / empty, p95", "x", 2,
            ratioOf(sceneP95, emptyP95));
        add("frame", "overlay_median_" + size, size + " overlay draw (help + frame rate), median", "ms", 3,
            overlay);
        add("frame", "overlay_p95_" + size, size + " overlay draw (help + frame rate), p95", "ms", 3, overlayP95);
        add("frame", "overlay_share_" + size, size + " overlay share of the scene frame", "%", 1,
            percentOf(overlay, scene));
        const Figure withChart = get("frame/overlay_chart/" + size, "median_ms");
        add("frame", "overlay_chart_median_" + size, size + " overlay draw (help + frame rate + chart), median", "ms",
            3, withChart);
        add("frame", "overlay_chart_share_" + size, size + " overlay with chart, share of the scene frame", "%", 1,
            percentOf(withChart, scene));
    }

    // Start-up.
    const std::pair<const char*, const char*> phases[] = {
        {"main", "process start to main (exec, dynamic linking)"},
        {"sdl_window", "SDL and window"},
        {"gui", "GL state, GUI context and font"},
        {"first_frame", "first frame, before the assets"},
        {"textures", "textures (11 PNGs)"},
        {"environment_box", "environment box"},
        {"mesh", "mesh"},
        {"complete_frame", "first complete frame"},
    };
    for (const auto& [phase, label] : phases)
        add("startup", std::string(phase) + "_ms", label, "ms", 1, get("startup/program", std::string(phase) + "_ms"));
    add("startup", "textures_decoding_ms", "  of textures: decoding, loadPng x 11 (in-process, CPU)", "ms", 1,
        get("startup/textures_decode", "set_ms"));
    add("startup", "textures_upload_ms", "  of textures: upload and mipmaps (in-process, CPU)", "ms", 1,
        get("startup/textures_upload", "set_ms"));
    add("startup", "textures_mipmaps_ms", "    of which gluBuild2DMipmaps (8 surfaces)", "ms", 1,
        get("startup/textures_upload", "mipmaps_ms"));
    add("startup", "total_ms", "total: process start to first complete frame", "ms", 1,
        get("startup/program", "total_ms"));
    add("startup", "cpu_ms", "CPU time of the traced process, all threads", "ms", 1, get("startup/program", "cpu_ms"));

    // OBJ: the loaders run in turn within each repetition, so each ratio is
    // one per repetition (peer time / our time: above 1, ours is faster).
    for (const std::string input : {"mackerel", "million"}) {
        const std::string name = "obj/compare/" + input;
        const std::string file = input == "million" ? "1M-triangle sheet" : meshFileName;
        add("obj", "ours_mb_per_s_" + input, file + ": Mesh constructor", "MB/s", 1, get(name, "ours_mb_per_s"));
        add("obj", "ours_ms_" + input, file + ": Mesh constructor, CPU time", "ms", 1, get(name, "ours_ms"));
        for (const std::string peer : {"tinyobjloader", "assimp"}) {
            const std::string peerLabel = peer == "assimp" ? "assimp (triangulate + join identical)"
                                                           : "tinyobjloader + de-duplication";
            add("obj", peer + "_mb_per_s_" + input, file + ": " + peerLabel, "MB/s", 1,
                get(name, peer + "_mb_per_s"));
            add("obj", "ours_over_" + peer + "_" + input, file + ": ours / " + peer + " speed", "x", 2,
                get(name, "ours_over_" + peer));
        }
        add("obj", "identical_floats_" + input, file + ": floats identical to %f (1 = yes)", "", 0,
            get("obj/check/" + input, "identical"));
        add("obj", "triangles_" + input, file + ": triangles", "", 0, get(name, "triangles"));
        add("obj", "vertices_" + input, file + ": vertices after merging", "", 0, get(name, "vertices"));
    }

    // PNG, paired the same way.
    for (const std::string input : {"assets", "4096"}) {
        const std::string name = "png/compare/" + input;
        const std::string file = input == "4096" ? "4096x4096 RGBA" : "the eleven assets";
        add("png", "ours_mb_per_s_" + input, file + ": loadPng", "MB/s", 1, get(name, "ours_mb_per_s"));
        for (const std::string peer : {"libpng", "spng", "stb_image"}) {
            const std::string peerLabel = peer == "libpng" ? "bare libpng decode" : peer;
            add("png", peer + "_mb_per_s_" + input, file + ": " + peerLabel, "MB/s", 1,
                get(name, peer + "_mb_per_s"));
            add("png", "ours_over_" + peer + "_" + input, file + ": loadPng / " + peer + " speed", "x", 2,
                get(name, "ours_over_" + peer));
        }
    }

    // Memory.
    const Figure firstFrame = get("memory/program", "first_frame");
    const Figure lastFrame = get("memory/program", "last_frame");
    const std::string first = firstFrame.known() ? formatNumber(firstFrame.median, 0) : "1000";
    const std::string last = lastFrame.known() ? formatNumber(lastFrame.median, 0) : "10000";
    add("memory", "peak_rss_mb", "peak resident size after frame " + first, "MB", 1,
        get("memory/program", "peak_rss_mb"));
    add("memory", "rss_growth_kb", "resident size growth, frame " + first + " to " + last, "kB", 0,
        get("memory/program", "rss_growth_kb"));
    add("memory", "peak_rss_growth_kb", "peak resident size growth, frame " + first + " to " + last, "kB", 0,
        get("memory/program", "peak_rss_growth_kb"));
    add("memory", "heap_growth_bytes", "heap in use growth, frame " + first + " to " + last, "bytes", 0,
        get("memory/program", "heap_growth_bytes"));
    add("memory", "heap_growth_program_bytes", "  of it the program's blocks", "bytes", 0,
        get("memory/program", "heap_growth_program_bytes"));
    add("memory", "heap_growth_orlin_bytes", "  of it Orlin's blocks", "bytes", 0,
        get("memory/program", "heap_growth_orlin_bytes"));
    add("memory", "heap_growth_other_bytes", "  of it the driver's and system libraries' blocks", "bytes", 0,
        get("memory/program", "heap_growth_other_bytes"));

    // Targets.
    std::vector<Target> targets;
    auto addTarget = [&](const std::string& text, const Figure& figure, const std::string& unit, int decimals,
                         bool met) {
        Target target{text, formatNumber(figure.median, decimals) + (unit.empty() ? "" : " " + unit),
                      figure.known(), figure.known() && met};
        targets.push_back(target);
    };
    const Figure p95 = get("frame/scene/1920x1080", "p95_ms");
    addTarget("scene frame p95 at 1920x1080 under 16.7 ms", p95, "ms", 2, p95.median < 16.7);
    // CPU time, which the shared machine's load disturbs least.
    const Figure waterCost = ratioOf(get("frame/scene_water_torch/640x480", "cpu_median_ms"),
                                     get("frame/scene/640x480", "cpu_median_ms"));
    addTarget("clear ocean with the torch within 10% of the simple rule's 640x480 frame (CPU)", waterCost, "x", 3,
              waterCost.median <= 1.10);
    for (const std::string size : {"640x480", "1920x1080"}) {
        const Figure scene = get("frame/scene/" + size, "median_ms");
        const Figure share = percentOf(get("frame/overlay/" + size, "median_ms"), scene);
        addTarget("overlay with help and frame rate under 5% of the " + size + " scene frame", share, "%", 1,
                  share.median < 5.0);
        const Figure chartShare = percentOf(get("frame/overlay_chart/" + size, "median_ms"), scene);
        addTarget("overlay with help, frame rate and chart under 10% of the " + size + " scene frame", chartShare,
                  "%", 1, chartShare.median < 10.0);
    }
    const Figure total = get("startup/program", "total_ms");
    addTarget("start-up to the first complete frame under 200 ms", total, "ms", 1, total.median < 200.0);
    const Figure objRatio = get("obj/compare/million", "ours_over_tinyobjloader");
    const Figure identical = get("obj/check/million", "identical");
    addTarget("OBJ at least as fast as tinyobjloader + dedup on 1M triangles, floats identical to %f", objRatio,
              "x", 2, objRatio.median >= 1.0 && identical.known() && identical.median == 1.0);
    for (const std::string input : {"assets", "4096"}) {
        const Figure pngRatio = get("png/compare/" + input, "ours_over_libpng");
        addTarget("loadPng within 10% of bare libpng (" + input + ")", pngRatio, "x", 3,
                  pngRatio.median >= 1.0 / 1.1);
    }
    // A pending timer record may be alive at one count and not the other;
    // more than a kilobyte is growth.
    const Figure heapGrowth = get("memory/program", "heap_growth_bytes");
    addTarget("no memory growth between frame " + first + " and " + last + " (heap)", heapGrowth, "bytes", 0,
              heapGrowth.median <= 1024.0);

    // Machine.
    std::string renderer;
    int runsPerFigure = 0;
    for (const auto& [name, samples] : results) {
        if (renderer.empty() && !samples.label.empty())
            renderer = samples.label;
    }
    for (const Row& row : rows)
        runsPerFigure = std::max(runsPerFigure, row.figure.runs);
    const long cores = sysconf(_SC_NPROCESSORS_ONLN);
    const std::string machine = std::to_string(cores) + " cores, " + cpuModel() +
                                (renderer.empty() ? "" : ", " + renderer);
    const std::string date = utcNow();

    // The table.
    std::ostringstream table;
    table << "Marivane benchmarks, " << date << "\n";
    table << "Machine: " << machine << "\n";
    table << "Each figure: median over repeated runs, ± half the range between the lowest and highest run.\n";
    const std::pair<const char*, const char*> groups[] = {
        {"frame", "Frame (per frame, in this process)"},
        {"startup", "Start-up (the real program, MARIVANE_STARTUP_TRACE)"},
        {"obj", "OBJ loading (MB of file per CPU second of the loading thread)"},
        {"png", "PNG decoding (MB of decoded samples per CPU second of the decoding thread)"},
        {"memory", "Memory (the program's own loop)"},
    };
    for (const auto& [group, title] : groups) {
        table << "\n" << title << "\n";
        bool any = false;
        for (const Row& row : rows) {
            if (row.group != group)
                continue;
            any = true;
            char line[256];
            std::snprintf(line, sizeof line, "  %-66s %12s %-5s %8s  (%d runs)\n", row.label.c_str(),
                          formatNumber(row.figure.median, row.decimals).c_str(), row.unit.c_str(),
                          spreadText(row.figure).c_str(), row.figure.runs);
            table << line;
        }
        if (!any)
            table << "  (not run)\n";
    }
    bool anyError = false;
    for (const std::string& name : order) {
        if (results[name].error.empty())
            continue;
        if (!anyError)
            table << "\nFailed\n";
        anyError = true;
        table << "  " << name << ": " << results[name].error << "\n";
    }
    table << "\nTargets\n";
    for (const Target& target : targets) {
        char line[256];
        std::snprintf(line, sizeof line, "  %-8s %-84s %s\n",
                      !target.known ? "not run" : target.met ? "met" : "MISSED", target.text.c_str(),
                      target.known ? target.measured.c_str() : "");
        table << line;
    }
    std::cout << table.str() << std::flush;

    // The same figures as JSON.
    std::ostringstream json;
    json << "{\n  \"date\": " << jsonString(date) << ",\n";
    json << "  \"machine\": {\"cores\": " << cores << ", \"cpu\": " << jsonString(cpuModel())
         << ", \"renderer\": " << jsonString(renderer) << "},\n";
    json << "  \"figures\": [\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        json << "    {\"group\": " << jsonString(row.group) << ", \"name\": " << jsonString(row.key)
             << ", \"label\": " << jsonString(row.label) << ", \"unit\": " << jsonString(row.unit)
             << ", \"median\": " << jsonNumber(row.figure.median) << ", \"min\": " << jsonNumber(row.figure.low)
             << ", \"max\": " << jsonNumber(row.figure.high) << ", \"runs\": " << row.figure.runs << "}"
             << (i + 1 < rows.size() ? "," : "") << "\n";
    }
    json << "  ],\n  \"targets\": [\n";
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const Target& target = targets[i];
        json << "    {\"target\": " << jsonString(target.text) << ", \"measured\": "
             << (target.known ? jsonString(target.measured) : "null") << ", \"met\": "
             << (target.known ? (target.met ? "true" : "false") : "null") << "}"
             << (i + 1 < targets.size() ? "," : "") << "\n";
    }
    json << "  ],\n  \"failed\": [";
    bool firstError = true;
    for (const std::string& name : order) {
        if (results[name].error.empty())
            continue;
        json << (firstError ? "" : ", ") << "{\"benchmark\": " << jsonString(name)
             << ", \"error\": " << jsonString(results[name].error) << "}";
        firstError = false;
    }
    json << "]\n}\n";
    if (!jsonPath.empty()) {
        std::ofstream out(jsonPath);
        out << json.str();
        if (!out)
            std::cerr << "cannot write " << jsonPath << "\n";
    }
}
