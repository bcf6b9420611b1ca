# Replaces the fuzzing's working corpus with the seeds, and readies the folder for the inputs
# that break something. Run with -D seeds=... -D corpus=... -D artifacts=...
file(REMOVE_RECURSE ${corpus})
file(COPY ${seeds}/ DESTINATION ${corpus})
file(MAKE_DIRECTORY ${artifacts})
