// Translating a large command file, against a pass-through reader that does
// only the work no translation avoids: read each line, append it and a line
// feed to one string, hand that string to an istringstream.
#include "parsor.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace
{

// A mesh-like command file of at least 16 MB: node and element commands with
// parameter lists, headers, comments and blank lines.
const std::string& CommandFile()
{
    static const std::string path = []
    {
        const std::string name = "/tmp/fem1d_parsor_bench.fem";
        std::ofstream file(name, std::ios::binary);
        file << "/* Generated mesh\n   for the reader benchmark */\n#Nom du probleme: Poutre continue\n";
        std::size_t bytes = 0;
        char line[160];
        for (long n = 0; bytes < 16u * 1024 * 1024; ++n)
        {
            int length;
            if (n % 1000 == 0)
                length = std::snprintf(line, sizeof line, "\n// bloc %ld\n#Groupe de noeuds: (%ld, :)\n", n, n);
            else if (n % 2 == 0)
                length = std::snprintf(line, sizeof line, "Noeud (%ld, %.6f, 0.0)   // abscisse\n", n, n * 0.001);
            else
                length = std::snprintf(line, sizeof line, "Element (%ld, %ld, %ld, 1) /* poutre */\n", n, n - 1, n);
            file.write(line, length);
            bytes += static_cast<std::size_t>(length);
        }
        return name;
    }();
    return path;
}

long FileSize(const std::string& path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    return static_cast<long>(file.tellg());
}

void BM_ParsorReadFile(benchmark::State& state)
{
    const std::string& path = CommandFile();
    Parsor<double> parsor;
    for (auto _ : state)
    {
        std::istringstream words;
        parsor.ReadFile(path.c_str(), words);
        benchmark::DoNotOptimize(words.rdbuf());
    }
    state.SetBytesProcessed(state.iterations() * FileSize(path));
}

void BM_PassThroughReader(benchmark::State& state)
{
    const std::string& path = CommandFile();
    for (auto _ : state)
    {
        std::ifstream file(path);
        std::string line;
        std::string text;
        while (std::getline(file, line))
        {
            text += line;
            text += '\n';
        }
        std::istringstream words(text);
        benchmark::DoNotOptimize(words.rdbuf());
    }
    state.SetBytesProcessed(state.iterations() * FileSize(path));
}

} // namespace

BENCHMARK(BM_ParsorReadFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PassThroughReader)->Unit(benchmark::kMillisecond);
