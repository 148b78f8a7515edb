// A fresh working directory per test, so each sees its own drill log.
#include "tests/temp_directory.h"

#include <fstream>
#include <random>
#include <sstream>

TempDirectory::TempDirectory() : previous_(std::filesystem::current_path())
{
    std::random_device entropy;
    path_ = std::filesystem::temp_directory_path() /
            ("drill-test-" + std::to_string(entropy()) + std::to_string(entropy()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
}

TempDirectory::~TempDirectory()
{
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDirectory::read(const std::string& name) const
{
    std::ifstream file(path_ / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void TempDirectory::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream(path_ / name, std::ios::binary) << bytes;
}
