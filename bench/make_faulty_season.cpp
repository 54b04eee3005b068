// Writes a contest season with planted faults and its truth file (truth.tsv), for the
// cross-check benchmark and by hand.
// usage: qz_make_faulty_season [--logs 8500] [--qsos 5500000] [--seed S] [--cty FILE] -o FOLDER
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "domain/cty.h"
#include "faultseason.h"

int main(int argc, char** argv) {
    qz::TSeasonPlan plan;
    plan.logs = 8500;
    plan.qsos = 5500000;
    std::string folder, cty = "/usr/share/hamradio-files/cty.dat";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i], value = argv[i + 1];
        if (option == "--logs") plan.logs = std::atoi(value.c_str());
        else if (option == "--qsos") plan.qsos = std::atoll(value.c_str());
        else if (option == "--seed") plan.seed = std::strtoull(value.c_str(), nullptr, 10);
        else if (option == "--cty") cty = value;
        else if (option == "-o") folder = value;
    }
    if (folder.empty() || plan.logs < 2 || plan.qsos < 1) {
        std::fprintf(stderr, "usage: qz_make_faulty_season [--logs N] [--qsos N] [--seed S] [--cty FILE] -o FOLDER\n");
        return 2;
    }
    const qz::TCtyStuff countries(cty);
    if (countries.CtyListCount() == 0) {
        std::fprintf(stderr, "qz_make_faulty_season: %s: no country data\n", cty.c_str());
        return 1;
    }
    std::filesystem::create_directories(folder);
    const qz::TSeason season = qz::WriteFaultSeason(plan, countries, folder);
    std::fprintf(stderr, "%s: %zu logs, %lld QSOs, %zu planted findings\n", folder.c_str(), season.files.size(),
                 static_cast<long long>(season.qsos), season.truth.size());
    return 0;
}
