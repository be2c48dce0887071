#!/usr/bin/env bash
# The layers above the platform make no system call of their own: every file of theirs includes
# only the C++ standard library's headers (no "x.h", no "sys/x.h") besides the project's own,
# and calls none of the system's functions by name. Fails naming each file and line that does.
# Usage: NoSystemCalls.sh SOURCE_ROOT
set -uo pipefail
cd "$1" || exit 2

folders=(Sources/Korvane Headers/Korvane Sources/MorrowCommon_2 Headers/MorrowCommon_2
         Sources/Utility Headers/Utility)
mapfile -t files < <(find "${folders[@]}" \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort)
if [ ${#files[@]} -eq 0 ]; then
    echo "no sources found under $1"
    exit 2
fi

# The C++ standard headers have neither an extension nor a folder.
system_include='^[[:space:]]*#[[:space:]]*include[[:space:]]*<[^>]*[./][^>]*>'
calls='open|openat|creat|close|read|write|pread|pwrite|lseek|fsync|fdatasync|ftruncate|fchmod'
calls+='|fchown|chmod|chown|lstat|fstat|fstatat|stat|unlink|unlinkat|renameat|mkdir|mkdirat'
calls+='|rmdir|link|symlink|readlink|realpath|access|chdir|umask|flock|fcntl|ioctl|dup|dup2'
calls+='|dup3|pipe|pipe2|fork|vfork|execv|execve|execvp|execl|execlp|wait|waitpid|kill'
calls+='|signal|sigaction|raise|isatty|ttyname|tcgetattr|tcsetattr|getuid|geteuid|getgid'
calls+='|getegid|getpid|getppid|setuid|getpwuid|getpwnam|getgrgid|getgrnam|poll|select'
calls+='|mkstemp|mkdtemp|posix_spawn|posix_spawnp|dlopen|dlsym|syslog|opendir|readdir'
calls+='|closedir|fileno|fdopen|sysconf|_exit|usleep|sleep|nanosleep'
# A call of its own: not a member (.x, ->x) nor qualified by a namespace (std::x), though
# qualified by the global one (::x).
system_call="(^|[^A-Za-z0-9_.>:])(::)?($calls)[[:space:]]*[(]"

# Comments and string literals name such calls in words; only the code counts.
awk -v include="$system_include" -v call="$system_call" '
    {
        code = $0
        sub(/\/\/.*$/, "", code)
        gsub(/"([^"\\]|\\.)*"/, "\"\"", code)
        if (code ~ include || code ~ call) {
            print FILENAME ":" FNR ": " $0
            found = 1
        }
    }
    END { exit found }' "${files[@]}" || {
    echo "System headers or calls above the platform layer: offer them from Sources/Platform/Host."
    exit 1
}
echo "No system header or call above the platform layer (${#files[@]} files)."
