#!/usr/bin/env python3
"""Checks azivoder-reading's JSON against docs/reading.schema.json.

Usage: check_schema.py TOOL SCHEMA

Real output of single readings and of a --count stream must validate, and
readings broken on purpose must not (a schema that accepts anything would
pass the first half alone).
"""
import copy
import json
import subprocess
import sys

import jsonschema


def readings(tool, *arguments):
    out = subprocess.run([tool, "--format", "json", *arguments], check=True,
                         capture_output=True, text=True).stdout
    return [json.loads(line) for line in out.splitlines()] if "--count" in arguments \
        else [json.loads(out)]


def main():
    tool, schema_path = sys.argv[1:3]
    with open(schema_path, encoding="utf-8") as file:
        schema = json.load(file)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)

    good = []
    for seed in ("0", "7", "2024", "18446744073709551615"):
        good += readings(tool, "--seed", seed)
    good += readings(tool, "--figures", "via,populus,via,populus")
    good += readings(tool, "--lines", "1,2,1,1,2,2,1,2,1,1,2,2,2,1,1,1")
    good += readings(tool, "--seed", "11", "--count", "400")
    for question in range(2, 13):
        good += readings(tool, "--seed", str(question), "--question", str(question),
                         "--house-chart", ("sequential", "agrippa", "golden-dawn")[question % 3])
    good += readings(tool, "--seed", "5", "--count", "200", "--question", "7", "--index",
                     "singles", "--via-puncti", "branching")
    failures = 0
    for number, reading in enumerate(good):
        for error in validator.iter_errors(reading):
            print(f"reading {number}: {error.json_path}: {error.message}")
            failures += 1
    kinds = {i["kind"] for r in good if "judgement" in r for i in r["judgement"]["indications"]}
    if len(kinds) != 9:
        print(f"the readings do not show every kind of indication: {sorted(kinds)}")
        failures += 1
    paths = {len(reading["shield"]["viaPuncti"]) for reading in good}
    if paths != {0, 4}:
        print(f"the readings do not show both kinds of Via Puncti: {paths}")
        failures += 1

    judged = next(reading for reading in good if "judgement" in reading)

    def broken(change):
        reading = copy.deepcopy(judged)
        change(reading)
        return reading

    bad = {
        "a house 13": broken(lambda r: r["castings"][1].update(house=13)),
        "a line value 3": broken(lambda r: r["lines"].__setitem__(0, 3)),
        "no shield": broken(lambda r: r.pop("shield")),
        "a Via Puncti that stops at a Witness":
            broken(lambda r: r["shield"].update(viaPuncti=["Judge", "Left Witness"])),
        "an Index of 0": broken(lambda r: r["shield"].update(index=0)),
        "a key of no reading": broken(lambda r: r["shield"]["judge"].update(dots=4)),
        "no house chart": broken(lambda r: r.pop("houseChart")),
        "a scheme of no name": broken(lambda r: r["houseChart"].update(scheme="placidus")),
        "a Mother's place for the Judge":
            broken(lambda r: r["houseChart"]["houses"][0].update(place="Judge")),
        "an Index method of no name": broken(lambda r: r["shield"].update(indexMethod="dots")),
        "a question of house 1": broken(lambda r: r["judgement"].update(quesited=1)),
        "an indication weighing 2":
            broken(lambda r: r["judgement"]["indications"].append(
                {"direction": "none", "figures": [], "houses": [1, 2], "kind": "impedition",
                 "weight": 2})),
    }
    for what, reading in bad.items():
        if validator.is_valid(reading):
            print(f"the schema accepts a reading with {what}")
            failures += 1

    print(f"{len(good)} readings checked, {len(bad)} broken ones refused" if not failures
          else f"{failures} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
