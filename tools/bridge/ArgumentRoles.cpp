#include "tools/bridge/ArgumentRoles.h"
#include <algorithm>
#include <cctype>

namespace velmora::bridge {

namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool IsDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

ArgumentRole RoleOf(const CommandArgument& arg)
{
    const std::string& text = arg.text;
    if (!arg.quoted && text.find_first_of("*?") != std::string::npos)
        return ArgumentRole::Wildcard;
    if (HandlePrefixLength(text) > 0)
        return ArgumentRole::HandlePath;
    if (IsWindowsPath(text) || text.find('\\') != std::string::npos)
        return ArgumentRole::Path;
    return ArgumentRole::Word;
}

} // namespace

bool IsKeyword(const std::string& text)
{
    static const char* const keywords[] = {
        "cat", "shuffle", "burst", "rotate", "generate_fdf", "fill_form",
        "background", "multibackground", "stamp", "multistamp",
        "dump_data", "dump_data_utf8", "dump_data_fields", "dump_data_fields_utf8",
        "dump_data_annots", "update_info", "update_info_utf8", "attach_files",
        "unpack_files", "output", "input_pw", "owner_pw", "user_pw", "allow",
        "encrypt_40bit", "encrypt_40bits", "encrypt_128bit", "encrypt_128bits",
        "encrypt_aes128", "compress", "uncompress", "flatten", "need_appearances",
        "drop_xfa", "drop_xmp", "keep_first_id", "keep_final_id", "verbose",
        "dont_ask", "do_ask",
    };
    const std::string word = Lower(text);
    return std::any_of(std::begin(keywords), std::end(keywords),
                       [&](const char* k) { return word == k; });
}

bool IsWindowsPath(const std::string& text)
{
    if (text.size() >= 2 && IsDriveLetter(text[0]) && text[1] == ':')
        return true;
    return !text.empty() && text[0] == '\\';
}

size_t HandlePrefixLength(const std::string& text)
{
    size_t letters = 0;
    while (letters < text.size() && text[letters] >= 'A' && text[letters] <= 'Z')
        ++letters;
    if (letters == 0 || letters >= text.size() || text[letters] != '=')
        return 0;
    return letters + 1;
}

std::vector<ArgumentRole> ClassifyArguments(const std::vector<CommandArgument>& args)
{
    std::vector<ArgumentRole> roles;
    bool inputPasswords = false;
    bool onePassword = false;
    for (const CommandArgument& arg : args) {
        const bool keyword = IsKeyword(arg.text);
        if (onePassword || (inputPasswords && !keyword)) {
            roles.push_back(ArgumentRole::Word);
            onePassword = false;
            continue;
        }
        inputPasswords = false;
        const std::string word = Lower(arg.text);
        if (word == "input_pw")
            inputPasswords = true;
        else if (word == "owner_pw" || word == "user_pw")
            onePassword = true;
        roles.push_back(keyword ? ArgumentRole::Word : RoleOf(arg));
    }
    return roles;
}

} // namespace velmora::bridge
