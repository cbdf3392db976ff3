#!/usr/bin/env python3
"""Exports the settings of every HEX file given (or found in the folders given)
with quaxel-cli and validates each document against docs/settings-schema.json.

    validate_exports.py QUAXEL_CLI SCHEMA FILE_OR_FOLDER...

A file that quaxel-cli cannot load (exit status 1 and no output) is skipped;
every sample must export. Also validates the partial document that
'diff --settings --json' writes for two different samples."""
import json
import pathlib
import subprocess
import sys

import jsonschema


def hex_files(arguments):
    for argument in arguments:
        path = pathlib.Path(argument)
        if path.is_dir():
            yield from sorted(path.glob("*.hex"))
        elif path.is_file():
            yield path


def run(cli, *args):
    return subprocess.run([cli, *args], capture_output=True, timeout=60)


def main():
    cli, schema_path, *places = sys.argv[1:]
    schema = json.loads(pathlib.Path(schema_path).read_text(encoding="utf-8"))
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    checked, failures, exported = 0, 0, []
    for path in hex_files(places):
        result = run(cli, "export", str(path))
        if result.returncode != 0:
            if "samples" in path.parts:
                print(f"FAIL {path}: export failed: {result.stderr.decode(errors='replace')}")
                failures += 1
            continue
        errors = list(validator.iter_errors(json.loads(result.stdout)))
        for error in errors[:5]:
            print(f"FAIL {path}: {'/'.join(map(str, error.absolute_path))}: {error.message}")
        failures += bool(errors)
        checked += 1
        if "samples" in path.parts:
            exported.append(path)
    if len(exported) >= 2:
        result = run(cli, "diff", "--settings", "--json", str(exported[0]), str(exported[-1]))
        if result.returncode != 1:
            print(f"FAIL diff --settings --json: exit status {result.returncode}")
            failures += 1
        for error in list(validator.iter_errors(json.loads(result.stdout)))[:5]:
            print(f"FAIL diff --json: {'/'.join(map(str, error.absolute_path))}: {error.message}")
            failures += 1
    print(f"{checked} documents checked, {failures} failed")
    return 1 if failures or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
