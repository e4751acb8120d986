#!/usr/bin/env bash
# Writes the skeleton of a new command of the network plug-in beside the
# command registered last in the same namespace, and every row that names it:
#   - FAMILY/CLASS.cpp, the command's unit (description, no parameters, a
#     placeholder result of the root type);
#   - the class in the family header that declares that sibling;
#   - the registry row in frame/Registry.cpp, after the sibling's;
#   - the build-list entry in FAMILY/CMakeLists.txt;
#   - the tree-table rows in tests/frame/expected_tree.tsv, and the command
#     count in tests/frame/TreeTest.cpp;
#   - a transcript stub, tests/golden/WORDS.cmds (its .golden is written by
#     scripts/update-golden.sh after the build).
# The namespace must exist and hold a command already. See
# docs/adding-a-command.md for the steps that follow.
#
#   scripts/new-command.sh 'network ip route ipv4 count' IpRouteIpv4Count integer 'Count IPv4 routes'
#
# ROOT is the command's result: integer, boolean (a success flag: the command
# changes the host), string, record (one record) or list (a list of records).
set -euo pipefail

usage() {
    echo "usage: scripts/new-command.sh 'network WORD... COMMAND' CLASS ROOT [DESCRIPTION]" >&2
    echo "  ROOT: integer, boolean, string, record or list" >&2
    exit 2
}
fail() {
    echo "new-command.sh: $*" >&2
    exit 1
}

source_dir=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 3 ] && [ $# -le 4 ] || usage
path=$1
class=$2
root=$3
description=${4:-"TODO: one line on what the command does"}

read -r -a words <<<"$path"
[ "${#words[@]}" -ge 3 ] && [ "${words[0]}" = network ] ||
    fail "the path must be 'network', a namespace and the command's word, such as 'network ip route ipv4 count'"
for word in "${words[@]}"; do
    [[ $word =~ ^[A-Za-z][A-Za-z0-9]*$ ]] || fail "'$word' is not a word of a command path (letters and digits)"
done
[[ $class =~ ^[A-Z][A-Za-z0-9]*$ ]] || fail "the class name '$class' must be a C++ name starting with a capital"
case "$root" in integer | boolean | string | record | list) ;; *) usage ;; esac
[[ $description != *[\"\\$'\t']* ]] || fail "the description may hold no double quote, backslash or tab"

command_word=${words[${#words[@]} - 1]}
parent_path="${words[*]:0:${#words[@]}-1}"
# The registry names each namespace's variable after its path below network,
# in camel case: 'network ip route ipv4' is ipRouteIpv4.
parent_var=${words[1]}
for word in "${words[@]:2:${#words[@]}-3}"; do parent_var+=${word^}; done

registry=$source_dir/frame/Registry.cpp
tree=$source_dir/tests/frame/expected_tree.tsv
tree_test=$source_dir/tests/frame/TreeTest.cpp
families=(firewall ip nic vswitch datapath)

grep -q "RegisterNamespaceNode(${parent_var}, \|auto ${parent_var} = " "$registry" ||
    fail "no namespace '$parent_path' in frame/Registry.cpp (variable $parent_var); a new namespace is added by hand"
grep -q "^$path	" "$tree" && fail "'$path' is in the tree already"
for family in "${families[@]}"; do
    grep -qs "^class $class\b" "$source_dir/$family"/*.h && fail "class $class exists already in $family/"
done

# The sibling: the command registered last under the same namespace, found
# in the registry read statement by statement (the formatter wraps long ones
# anywhere); sibling_line is the line its statement ends on.
read -r sibling_line sibling sibling_word < <(awk -v var="$parent_var" '
    function check(text, cls, word) {
        gsub(/[ \t]+/, " ", text)
        if (text !~ ("^ ?" var "->RegisterNamespaceNode\\( ?(ReadsHost|ChangesHost)\\(")) return
        cls = text; sub(/.*(ReadsHost|ChangesHost)\(/, "", cls); sub(/::New.*/, "", cls)
        word = text; sub(/.*, ?"/, "", word); sub(/".*/, "", word)
        found = NR " " cls " " word
    }
    { line = $0; sub(/\/\/.*/, "", line); statement = statement line }
    line ~ /[;{}][ \t]*$/ { check(statement); statement = "" }
    END { print found }
' "$registry")
[ -n "$sibling" ] || fail "namespace '$parent_path' holds no command yet; register the first one by hand"

# The sibling's folder, unit and family header.
family=""
for candidate in "${families[@]}"; do
    if grep -qs "^${sibling}::${sibling}()" "$source_dir/$candidate"/*.cpp; then
        family=$candidate
        break
    fi
done
[ -n "$family" ] || fail "cannot find the unit of $sibling, the command registered before the new one"
sibling_unit=$(basename "$(grep -ls "^${sibling}::${sibling}()" "$source_dir/$family"/*.cpp | head -1)")
header=$(basename "$(grep -ls "^class ${sibling}\b" "$source_dir/$family"/*.h | head -1)")
[ -n "$header" ] || fail "cannot find the class declaration of $sibling in $family/"
unit=$source_dir/$family/$class.cpp
[ -e "$unit" ] && fail "$family/$class.cpp exists already"
cmake_list=$source_dir/$family/CMakeLists.txt
grep -q "^  ${sibling_unit})\?$" "$cmake_list" || fail "$sibling_unit is not listed in $family/CMakeLists.txt"
sibling_row="$parent_path $sibling_word	class $sibling	"
grep -q "^$sibling_row" "$tree" || fail "tests/frame/expected_tree.tsv has no row for $sibling"
count=$(grep -o 'ASSERT_EQ(pathRows, [0-9]*u)' "$tree_test" | grep -o '[0-9][0-9]*') ||
    fail "tests/frame/TreeTest.cpp counts no rows (ASSERT_EQ(pathRows, ...))"
commands=$(grep -o '[0-9]* commands$' "$tree_test" | grep -o '^[0-9]*') ||
    fail "tests/frame/TreeTest.cpp does not say how many commands the tree holds"
# A command whose result is a success flag changes the host; the others only
# read it. The registry and the tree table declare which (edit both by hand
# for a command that differs).
access_wrapper=ReadsHost
access=read-only
if [ "$root" = boolean ]; then
    access_wrapper=ChangesHost
    access=changes
fi
# Nothing is written before this point.

# What the root type decides: the declared output, the placeholder result, the
# default formatter and output parameters, and the tree-table rows.
record_members=""
output_rows=""
formatter=""
case "$root" in
integer)
    output_spec="MakeOutputSpec(Parvik::MetaObj::MetaInt::New())"
    result="output->SetRootObject(Parvik::MetaObj::MetaInt::New(0));"
    formatter=simple
    tree_root=integer
    ;;
boolean)
    output_spec="MakeOutputSpec(Parvik::MetaObj::MetaBool::New())"
    result="SetSuccess(output);"
    tree_root=boolean
    ;;
string)
    output_spec="MakeOutputSpec(Parvik::MetaObj::MetaString::New())"
    result="output->SetRootObject(Parvik::MetaObj::MetaString::New(std::string()));"
    formatter=simple
    tree_root=string
    ;;
record)
    output_spec="MakeOutputSpec(GetOutputStructure())"
    result="auto record = GetOutputStructure();
        record->SetField(kNameField, std::string());
        output->SetRootObject(record);"
    formatter=simple
    tree_root="$class{Name: string}"
    ;;
list)
    output_spec="MakeOutputSpec(MakeRecordList(GetOutputStructure()))"
    result="auto list = MakeRecordList(GetOutputStructure());
        output->SetRootObject(list);"
    formatter=table
    output_rows="	output	fields:$class	Name"
    tree_root="list of $class{Name: string}"
    ;;
esac

# The unit.
{
    echo "// $path: $description"
    printf '#include "%s"\n' frame/CommandFrame.h "$family/$header" | sort
    echo
    echo "namespace NorvaleCli {"
    echo "namespace NetworkNamespace {"
    echo
    if [ "$root" = record ] || [ "$root" = list ]; then
        echo "namespace {"
        echo "constexpr char kRecordName[] = \"$class\";"
        echo "constexpr char kNameField[] = \"Name\";"
        echo "}  // namespace"
        echo
    fi
    echo "$class::$class() {"
    echo "    SetDescription(\"$description\");"
    [ -z "$formatter" ] || echo "    SetDefaultOutputFormatter(\"$formatter\");"
    [ "$root" != list ] || echo "    SetDefaultOutputParameter(\"fields:$class\", \"Name\");"
    echo "}"
    echo
    echo "std::shared_ptr<$class> $class::New() { return std::shared_ptr<$class>(new $class()); }"
    echo
    echo "$class::~$class() = default;"
    echo
    if [ "$root" = record ] || [ "$root" = list ]; then
        echo "RecordPtr $class::GetOutputStructure() { return RecordTemplate(kRecordName).String(kNameField); }"
        echo
    fi
    echo "InputSpecPtr $class::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }"
    echo
    echo "OutputSpecPtr $class::GetOutputSpecInternal() { return $output_spec; }"
    echo
    echo "// TODO: read the parameters, call the host, fill the result."
    echo "void $class::ExecuteInternal(const InputPtr& /*input*/, const OutputPtr& output) {"
    echo "    WithStandardErrors(output, [&] {"
    echo "        $result"
    echo "    });"
    echo "}"
    echo
    echo "}  // namespace NetworkNamespace"
    echo "}  // namespace NorvaleCli"
} >"$unit"

# The class, after the sibling's in the family header.
if [ "$root" = record ] || [ "$root" = list ]; then
    record_members="    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();\n"
fi
declaration="\nclass $class : public virtual Parvik::AutoCli::Command {\npublic:\n    TALIX_BUILT_BY_NEW $class();\n    TALIX_LOAD_TIME static std::shared_ptr<$class> New();\n${record_members}    virtual ~$class();\n    TALIX_COMMAND_OPERATIONS;\n};"
awk -v sibling="$sibling" -v declaration="$declaration" '
    { print }
    $0 ~ "^class " sibling "[ :]" { inside = 1 }
    inside && $0 == "};" { print declaration; inside = 0 }
' "$source_dir/$family/$header" >"$source_dir/$family/$header.new"
mv "$source_dir/$family/$header.new" "$source_dir/$family/$header"

# The registry row.
sed -i "${sibling_line}a\\    ${parent_var}->RegisterNamespaceNode(${access_wrapper}(${class}::New()), \"${command_word}\");" "$registry"

# The build list: after the sibling's unit (which may close the list).
sed -i -e "s/^  ${sibling_unit})$/  ${sibling_unit}\n  ${class}.cpp)/" -e "t" \
    -e "s/^  ${sibling_unit}$/  ${sibling_unit}\n  ${class}.cpp/" "$cmake_list"

# The tree table: after the sibling's row and the rows that describe it.
rows="$path	class $class	$access\n	description	$description\n	output root	$tree_root"
[ -z "$formatter" ] || rows+="\n	formatter	$formatter"
[ -z "$output_rows" ] || rows+="\n$output_rows"
awk -v sibling_row="$sibling_row" -v rows="$rows" '
    after && !/^\t/ { print rows; after = 0; done = 1 }
    { print }
    index($0, sibling_row) == 1 { after = 1 }
    END { if (after) print rows }
' "$tree" >"$tree.new"
mv "$tree.new" "$tree"
sed -i -e "s/ASSERT_EQ(pathRows, ${count}u)/ASSERT_EQ(pathRows, $((count + 1))u)/" \
    -e "s/ ${commands} commands$/ $((commands + 1)) commands/" "$tree_test"

# The transcript stub.
slug=$(echo "${words[*]:1}" | tr ' ' '-' | tr 'A-Z' 'a-z')
transcript=$source_dir/tests/golden/$slug.cmds
if [ ! -e "$transcript" ]; then
    {
        echo "# $path: what users read and what it prints on the demo host."
        echo "# Add the refusals and a host failure (@fault); see tests/README.md."
        echo "${words[*]} --help"
        echo "${words[*]}"
        echo "--formatter=json ${words[*]}"
    } >"$transcript"
fi

# The formatter's layout, where clang-format is installed (scripts/format.sh
# formats only files git already tracks).
if command -v clang-format >/dev/null; then
    (cd "$source_dir" && clang-format -i "$unit" "$family/$header" frame/Registry.cpp tests/frame/TreeTest.cpp)
fi

echo "Wrote $family/$class.cpp and tests/golden/$slug.cmds."
echo "Changed $family/$header, frame/Registry.cpp, $family/CMakeLists.txt,"
echo "tests/frame/expected_tree.tsv and tests/frame/TreeTest.cpp."
echo "Next: fill the command (docs/adding-a-command.md), build, scripts/update-golden.sh."
