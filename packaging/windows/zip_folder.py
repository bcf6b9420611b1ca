#!/usr/bin/env python3
"""Zips a folder, names sorted, with every non-ASCII name marked as UTF-8 (Python's zip module
sets the flag), so that Windows' Explorer shows the Japanese file names as they are.

usage: zip_folder.py ARCHIVE.zip FOLDER
"""

import os
import sys
import zipfile


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    archive, top = sys.argv[1], sys.argv[2]
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for folder, subfolders, files in os.walk(top):
            subfolders.sort()
            z.write(folder)
            for name in sorted(files):
                z.write(os.path.join(folder, name))


if __name__ == "__main__":
    main()
