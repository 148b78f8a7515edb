# Signs a Win32 program or package in place (Authenticode, SHA-256, with osslsigncode), when
# SIGN_CERTIFICATE and SIGN_KEY name the certificate (PEM or DER) and its private key that a
# school or a publisher provides; SIGN_TIMESTAMP_URL, when set, names a time-stamp server, so
# that the signature outlives the certificate. Included by msi_build.cmake and by the .zip's
# install step; without a certificate it does nothing.
function(drill_sign file)
    if(NOT SIGN_CERTIFICATE AND NOT SIGN_KEY)
        return()
    endif()
    if(NOT SIGN_CERTIFICATE OR NOT SIGN_KEY)
        message(FATAL_ERROR "signing needs both a certificate and its key")
    endif()
    find_program(OSSLSIGNCODE osslsigncode)
    if(NOT OSSLSIGNCODE)
        message(FATAL_ERROR "osslsigncode is missing (Debian package osslsigncode)")
    endif()
    set(timestamp "")
    if(SIGN_TIMESTAMP_URL)
        set(timestamp -ts ${SIGN_TIMESTAMP_URL})
    endif()
    execute_process(COMMAND ${OSSLSIGNCODE} sign -certs ${SIGN_CERTIFICATE} -key ${SIGN_KEY}
                            -h sha256 -n ${SIGN_NAME} -i ${SIGN_URL} ${timestamp}
                            -in ${file} -out ${file}.signed
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(RENAME ${file}.signed ${file})
endfunction()
